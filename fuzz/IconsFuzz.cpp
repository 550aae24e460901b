// Any size, pixel ratio, mode and state asked of the tool-bar images and the program icon,
// offscreen. The icons read their images only when asked; every answer, every pixmap and every
// painting must be those of an icon holding each image drawn from its SVG picture.
#include "DrawnIcon.h"
#include "OffscreenFuzzing.h"

#include "ui/ActionIcons.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using namespace molvane;

// An icon under test and its reference, drawn once.
struct IconPair
{
    QIcon stored;
    QIcon drawn;
};

const std::vector<IconPair> &icons()
{
    static const std::vector<IconPair> pairs = [] {
        std::vector<IconPair> all;
        for (const char *name : ToolBarImageNames())
            all.push_back(
                { ActionIcon(name), DrawnIcon(MOLVANE_DATA_DIR, name, DrawnActionSizes) });
        all.push_back({ ProgramIcon(), DrawnIcon(MOLVANE_DATA_DIR, "molvane", DrawnProgramSizes) });
        return all;
    }();
    return pairs;
}

QImage premultiplied(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::StartOffscreenApplication<QGuiApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::FrontBytes input(data, size);
    const IconPair &icon = icons()[std::size_t(input.next()) % icons().size()];
    const auto mode = QIcon::Mode(input.next() % 4);
    const auto state = QIcon::State(input.next() % 2);
    const QSize asked(input.number(0, 400), input.number(0, 400));
    const qreal ratio = 0.25 + input.next() / 32.0;

    require(icon.stored.availableSizes(mode, state) == icon.drawn.availableSizes(mode, state));
    require(
        icon.stored.actualSize(asked, mode, state) == icon.drawn.actualSize(asked, mode, state));
    const QPixmap got = icon.stored.pixmap(asked, ratio, mode, state);
    const QPixmap expected = icon.drawn.pixmap(asked, ratio, mode, state);
    require(got.devicePixelRatio() == expected.devicePixelRatio());
    require(premultiplied(got) == premultiplied(expected));

    // Painted into a rectangle of any place and size on an image of the same pixel ratio.
    const QRect rect(
        input.number(-20, 60), input.number(-20, 60), input.number(0, 120), input.number(0, 120));
    const Qt::Alignment alignments[]
        = { Qt::AlignCenter, Qt::AlignLeft | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom };
    const Qt::Alignment alignment = alignments[input.next() % 3];
    QImage canvas((QSizeF(100, 80) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QImage reference = canvas;
    for (auto [image, source] :
        { std::pair(&canvas, &icon.stored), std::pair(&reference, &icon.drawn) }) {
        QPainter painter(image);
        source->paint(&painter, rect, alignment, mode, state);
    }
    require(canvas == reference);
    return 0;
}
