#include "ui/Settings.h"

#include <QSettings>

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

} // namespace molvane
