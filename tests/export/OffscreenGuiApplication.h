#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <memory>

/// A QGuiApplication on the offscreen platform for the whole test program: painting with
/// fonts needs one, a display does not.
class OffscreenGuiApplication : public ::testing::Environment
{
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "export_tests";
    char *m_argv[2] = { m_name, nullptr };
    std::unique_ptr<QGuiApplication> m_app;
};
