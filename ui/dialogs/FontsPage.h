#pragma once

#include "document/Document.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace molvane {

class DialogTexts;

/// The Options dialog's fonts page: face, size, style and colour of the five document fonts,
/// and the subscripts position.
class FontsPage : public QWidget
{
    Q_OBJECT

public:
    explicit FontsPage(DialogTexts &texts, QWidget *parent = nullptr);

    /// Loads every control from @p document.
    void load(const Document &document);
    /// Writes the controls' fonts and subscripts position into @p document.
    void applyTo(Document &document) const;
    /// Sizes the controls for the page's font, so that none cuts its text.
    void fitToFont();

private:
    struct FontRow
    {
        QLabel *title;
        QComboBox *face;
        QLineEdit *size;
        QToolButton *bold;
        QToolButton *italic;
        QComboBox *color;
    };

    std::array<FontRow, DocumentFontCount> m_fontRows {};
    QLineEdit *m_subscriptPosition = nullptr;
};

} // namespace molvane
