#pragma once

#include "texts/Texts.h"

#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QLabel;
class QWidget;

namespace molvane {

/// The texts of one dialog, each named where its control is created, so a language switch
/// sets them all from the text table at once.
class DialogTexts
{
public:
    void addCaption(QLabel *label, TextId caption);
    void addCaption(QAbstractButton *button, TextId caption);
    /// The tool-tip shows the hint's short part and, on a line of its own, its long part,
    /// which is also the status-bar text.
    void addHint(QWidget *widget, TextId hint);
    /// Any other text, set through @p show.
    void addText(TextId text, std::function<void(const QString &)> show);

    /// A label on @p page with @p caption, aligned to the left in both languages.
    QLabel *addLeftLabel(QWidget *page, TextId caption);

    /// Sets every text in @p language.
    void apply(UiLanguage language) const;

private:
    struct ShownText
    {
        TextId text;
        std::function<void(const QString &)> show;
    };
    std::vector<ShownText> m_texts;
};

} // namespace molvane
