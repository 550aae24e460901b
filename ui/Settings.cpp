#include "ui/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace molvane {

namespace {

// Reads one integer value; none when it is missing or not a number.
std::optional<int> readInt(QSettings &settings, const char *name)
{
    if (!settings.contains(name))
        return std::nullopt;
    bool ok = false;
    const int value = settings.value(name).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void readString(QSettings &settings, const char *name, std::string &target)
{
    if (settings.contains(name))
        target = settings.value(name).toString().toLatin1().toStdString();
}

} // namespace

WindowSettings ReadWindowSettings(QSettings &settings)
{
    WindowSettings read;
    std::optional<int> *fields[]
        = { &read.width, &read.height, &read.top, &read.left, &read.windowState };
    const char *names[] = { "Width", "Height", "Top", "Left", "WS" };
    for (int i = 0; i < 5; ++i) {
        *fields[i] = readInt(settings, names[i]);
        if (!*fields[i])
            return read;
    }
    if (const std::optional<int> lang = readInt(settings, "Lang"))
        read.farsi = *lang != 0;
    return read;
}

void WriteWindowSettings(
    QSettings &settings, int width, int height, int top, int left, int windowState, bool farsi)
{
    settings.setValue("Width", width);
    settings.setValue("Height", height);
    settings.setValue("Top", top);
    settings.setValue("Left", left);
    settings.setValue("WS", windowState);
    settings.setValue("Lang", farsi ? 1 : 0);
}

KeyOptions ReadKeyOptions(QSettings &settings)
{
    KeyOptions options;
    readString(settings, "KP", options.plusKeys);
    readString(settings, "KOP", options.openKeys);
    readString(settings, "KCP", options.closeKeys);
    if (const std::optional<int> chb = readInt(settings, "ChB"))
        options.autoIdentify = *chb != 0;
    readString(settings, "KF", options.arrowKeys);
    return options;
}

void WriteKeyOptions(QSettings &settings, const KeyOptions &options)
{
    settings.setValue("KP", QString::fromLatin1(options.plusKeys));
    settings.setValue("KOP", QString::fromLatin1(options.openKeys));
    settings.setValue("KCP", QString::fromLatin1(options.closeKeys));
    settings.setValue("ChB", options.autoIdentify ? 1 : 0);
    settings.setValue("KF", QString::fromLatin1(options.arrowKeys));
}

bool ReadHtmlWorking(QSettings &settings)
{
    return readInt(settings, "HtmlWorking").value_or(0) != 0;
}

void WriteHtmlWorking(QSettings &settings, bool withWorking)
{
    settings.setValue("HtmlWorking", withWorking ? 1 : 0);
}

WeightTable ReadWeightTable(QSettings &settings)
{
    return readInt(settings, "AtomicWeights").value_or(0) == 1 ? WeightTable::Iupac2021
                                                               : WeightTable::Original;
}

void WriteWeightTable(QSettings &settings, WeightTable table)
{
    settings.setValue("AtomicWeights", table == WeightTable::Iupac2021 ? 1 : 0);
}

namespace {

// A second name for the file @p path: a hard link, which needs no room for the data.
bool linkAgain(const QString &path, const QString &second)
{
#ifdef Q_OS_UNIX
    return ::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()) == 0;
#else
    return QFile::copy(path, second);
#endif
}

} // namespace

// The store writes a new file and renames it over the old one even when its bytes never
// reached the disk, which would empty the settings on a full disk. A second name for the old
// file keeps it until the write is known to have worked.
bool SyncSettings(QSettings &settings)
{
    const QString path = settings.fileName();
    const QString kept = path + ".kept";
    QFile::remove(kept);
    const bool keeping = QFileInfo(path).isFile() && linkAgain(path, kept);
    settings.sync();
    const bool written = settings.status() == QSettings::NoError;
    if (keeping && !written) {
        QFile::remove(path);
        QFile::rename(kept, path);
    } else if (keeping) {
        QFile::remove(kept);
    }
    return written;
}

} // namespace molvane
