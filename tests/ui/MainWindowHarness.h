#pragma once

// A main window under test: a private settings store, the shipped template where the program
// looks first, and the message box and file dialogs answered from queues.
#include "ui/FileDialogs.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <vector>

class MainWindowHarness : public QObject
{
protected:
    struct Question
    {
        QString text;
        molvane::MessageKind kind;
        molvane::MessageButtons buttons;
    };

    static bool installTemplate()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(user);
        QFile::remove(user + "/New.KVX");
        return QFile::copy(MOLVANE_DATA_DIR "/New.KVX", user + "/New.KVX");
    }

    /// A new window on a fresh settings store, shown until its first document is up.
    bool startWindow()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<QSettings>(m_dir->filePath("Qv1.conf"), QSettings::IniFormat);
        m_questions.clear();
        m_answers.clear();
        m_fileAnswers.clear();
        m_dialogs.clear();
        molvane::SetMessageBoxHook([this](const QString &text, molvane::MessageKind kind,
                                       molvane::MessageButtons buttons) {
            m_questions.push_back({ text, kind, buttons });
            if (m_answers.empty())
                return molvane::MessageButton::Ok;
            const molvane::MessageButton answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
        molvane::SetFileDialogHook([this](molvane::FileDialogKind kind) {
            m_dialogs.push_back(kind);
            if (m_fileAnswers.empty())
                return QString();
            const QString answer = m_fileAnswers.front();
            m_fileAnswers.pop_front();
            return answer;
        });
        m_window = std::make_unique<molvane::MainWindow>(*m_settings);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            return false;
        return QTest::qWaitFor([&] { return m_window->windowTitle() == "Molvane - Untitled"; });
    }

    void stopWindow()
    {
        m_window.reset();
        molvane::SetMessageBoxHook({});
        molvane::SetFileDialogHook({});
        molvane::SetCurrentUiLanguage(molvane::UiLanguage::English);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<molvane::MainWindow> m_window;
    std::vector<Question> m_questions;
    std::deque<molvane::MessageButton> m_answers;
    std::deque<QString> m_fileAnswers;
    QList<molvane::FileDialogKind> m_dialogs;
};
