#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include <sys/mount.h>
#include <unistd.h>

namespace molvane::test {

/// A small file system of its own, filled to the last byte after the files the test puts on it
/// first: what a full disk does to a write, for real. Mounting needs root; skipReason() says
/// why there is none otherwise.
class FullDisk
{
public:
    FullDisk()
    {
        if (::geteuid() != 0)
            m_skipReason = "mounting a small file system needs root";
        else if (::mount("tmpfs", m_dir.path().toLocal8Bit().constData(), "tmpfs", 0, "size=64k")
            != 0)
            m_skipReason = "tmpfs could not be mounted";
    }
    ~FullDisk()
    {
        if (m_skipReason.empty())
            ::umount(m_dir.path().toLocal8Bit().constData());
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    const std::string &skipReason() const { return m_skipReason; }
    QString path(const char *name) const { return m_dir.filePath(name); }

    /// Takes every free byte.
    void fill() const
    {
        QFile filler(path("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) { }
    }

private:
    QTemporaryDir m_dir;
    std::string m_skipReason;
};

} // namespace molvane::test
