#pragma once

// What the fuzz targets that drive Qt on its offscreen platform share: their input read from
// the front, so that seeds can be written by hand, and an application that lives to the end.
#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace molvane::fuzzing {

/// Reads the input from its front, a byte at a time; zero once it is used up.
class FrontBytes
{
public:
    FrontBytes(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    { }
    int next() { return m_offset < m_size ? m_data[m_offset++] : 0; }
    /// Both ends included, from two bytes.
    int number(int low, int high)
    {
        const int value = next() | (next() << 8);
        return low + value % (high - low + 1);
    }
    bool done() const { return m_offset >= m_size; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
};

/// Starts @p Application on the offscreen platform, once. It is never destroyed: at exit Qt's
/// own globals may already be gone.
template <typename Application> void StartOffscreenApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "molvane-fuzz";
    static char *argv[] = { name, nullptr };
    static const Application *application = new Application(argc, argv);
    Q_UNUSED(application);
}

} // namespace molvane::fuzzing
