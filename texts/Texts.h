#pragma once

#include "texts/InterfaceLanguage.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace molvane {

/// Every caption, hint, title and message of the interface, in the order of the text table.
enum class TextId {
    // The message texts.
    SaveChanges,
    CannotBalance,
    InvalidReaction,
    InvalidNumber,
    CannotOpen,
    CannotSave,
    AlreadyExists,
    ReactionHelp,
    GridHelp,

    // The message box: titles by kind, then the button labels.
    WarningTitle,
    ErrorTitle,
    InformationTitle,
    ConfirmationTitle,
    YesButton,
    NoButton,
    OkButton,
    CancelButton,

    // Why a typed or pasted character was refused.
    RefusedNotInCodePage,
    RefusedComma,
    RefusedColon,
    RefusedLineBreak,
    RefusedNotADigit,
    RefusedOutsideGrid,

    // Why a reaction failed (the status bar and molvane-cli say it after the message); "%1"
    // stands for a name or character, "%2" for a substance number or a position.
    CauseUnknownElement,
    CauseOneSideElement,
    CauseNoArrow,
    CauseSeveralArrows,
    CauseUnclosedBracket,
    CauseUnopenedBracket,
    CauseBadCharacter,
    CauseSeveralReactions,
    CauseOnlyZero,
    CauseElementNotMatched,
    CauseChargeNotMatched,
    CauseNegativeCoefficient,
    CauseZeroCoefficient,
    CauseNegativeCoefficients,
    CauseZeroCoefficients,
    CauseElementsNotMatched,
    CauseEmptyReaction,
    CauseEmptySubstance,
    CauseBadCharge,
    CauseChargeNotLast,
    CauseEmptyPart,
    CauseZeroCount,
    CauseOutOfRange,
    CauseMisplacedSign,
    CauseAmbiguousCharge,
    CauseMalformedSubstance,
    // The charge among the rows that cannot be matched.
    ChargeWord,
    // A symbol that is no element balanced without a weight.
    NotAnElement,
    // Automatic letter case read two letters as one element where capitals name two.
    LetterCaseReading,
    // Digits before a sign read as the ion chemistry knows, where another reading balanced too.
    ChargeReadingTaken,

    // Menus and actions of the main window.
    FileMenu,
    ReactionMenu,
    SettingsMenu,
    HelpMenu,
    FileNewCaption,
    FileNewHint,
    FileOpenCaption,
    FileOpenHint,
    FileSaveCaption,
    FileSaveHint,
    FileSaveAsCaption,
    FileSaveAsHint,
    FilePrintCaption,
    FilePrintHint,
    FileHtmlCaption,
    FileHtmlHint,
    FilePrintPagesCaption,
    FilePrintPagesHint,
    FilePdfCaption,
    FilePdfHint,
    FileExitCaption,
    FileExitHint,
    ReactionCopyCaption,
    ReactionCopyHint,
    ReactionPasteCaption,
    ReactionPasteHint,
    SettingsOptionsCaption,
    SettingsOptionsHint,
    SettingsKeyCaption,
    SettingsKeyHint,
    SettingsEnglishCaption,
    SettingsEnglishHint,
    SettingsFarsiCaption,
    SettingsFarsiHint,
    HelpHelpCaption,
    HelpHelpHint,
    HelpOnlineCaption,
    HelpOnlineHint,
    HelpMailCaption,
    HelpMailHint,
    HelpWebsiteCaption,
    HelpWebsiteHint,
    HelpSourceCaption,
    HelpSourceHint,
    HelpAboutCaption,
    HelpAboutHint,
    HelpFarsiCaption,
    HelpFarsiHint,
    FarsiAdvice,
    HelpPrompt,
    // A help link the desktop could not open; "%1" is its address.
    LinkNotOpened,
    ReactionUndoCaption,
    ReactionUndoHint,
    ReactionRedoCaption,
    ReactionRedoHint,
    ReactionCalculateGridCaption,
    ReactionCalculateGridHint,
    RecentDocumentsMenu,

    // Other texts of the main window.
    ApplicationTitle,
    ReactionLabel,
    PropertiesLabel,
    BalanceButton,
    CalculateGridButton,
    ReactionEditorHint,
    CalculateGridHint,
    OpenDialogTitle,
    SaveDialogTitle,

    // The About dialog.
    AboutDialogTitle,
    AboutProgramName,
    AboutVersion,

    // The Key Options dialog.
    KeyOptionsDialogTitle,
    AutoIdentification,

    // The Options dialog.
    OptionsDialogTitle,
    FontsPage,
    GridPage,
    ProgramFontLabel,
    GridFontLabel,
    ReactionFontLabel,
    NumbersFontLabel,
    SubscriptsFontLabel,
    NameLabel,
    SizeLabel,
    ColorLabel,
    SubscriptsPositionLabel,
    ItemsLabel,
    FormulasLabel,
    TypeLabel,
    WidthLabel,
    DefaultCaption,
    DefaultHint,
    TemplateNotWritten,
    OkCaption,
    OkHint,
    CancelCaption,
    CancelHint,
    HelpButtonCaption,
    HelpButtonHint,
    ItemUpHint,
    ItemDownHint,
    ItemDeleteHint,
    FormulaDeleteHint,
    ItemNewHint,
    FormulaNewHint,
    ItemListHint,
    FormulaListHint,
    FormulaHelp,

    // The working of a balance, as a student derives it; "%1", "%2" are filled in.
    ReactionShowWorkingCaption,
    ReactionShowWorkingHint,
    WorkingTitle,
    WorkingUnknowns,
    WorkingEquations,
    WorkingEquationsWithCharge,
    WorkingChargeRow,
    WorkingStart,
    WorkingSolve,
    WorkingSolveSimplified,
    WorkingSolveDirect,
    WorkingExpress,
    WorkingExpressDirect,
    WorkingRewrite,
    WorkingFractions,
    WorkingMultiply,
    WorkingCoefficients,
    WorkingCheck,
    WorkingOutOfRange,
    WorkingNoAnswer,
    RedoxTitle,
    RedoxNumbers,
    RedoxCannotAssign,
    RedoxMixedStates,
    RedoxOneSide,
    RedoxSeveral,
    RedoxNoChange,
    RedoxOxidised,
    RedoxReduced,
    RedoxAcid,
    RedoxBase,
    RedoxOxidationHalf,
    RedoxReductionHalf,
    RedoxSkeleton,
    RedoxForElement,
    RedoxForOxygen,
    RedoxForHydrogen,
    RedoxForCharge,
    RedoxInBase,
    RedoxEqualElectrons,
    RedoxSum,
    RedoxCancelled,
    RedoxAgrees,
    RedoxDiffers,
    RedoxLoses,
    RedoxGains,
    RedoxLcm,
    RedoxInspection,
    CompleteRedoxOffer,
    HtmlWithWorking, ///< the check box of the page's save dialog

    // Quantities: the atomic weights in force, the composition of a formula, the cells
    // Calculate Grid computed and the reactant that limits the products.
    SettingsWeightsMenu,
    SettingsWeightsOriginalCaption,
    SettingsWeightsOriginalHint,
    SettingsWeightsIupacCaption,
    SettingsWeightsIupacHint,
    CompositionHeader, ///< the columns, separated by tabs
    GridHint,
    LimitingReactant, ///< %1 the reactant, %2 what is left of the others
    LeftOver, ///< one reactant's rest: %1 the reactant, %2 the amount, %3 the item
    NoLimitingReactant,

    Count ///< not a text: the number of texts
};

/// One text of the interface in both languages.
/// A hint's short part (tool-tip) and long part (status bar) are separated by "|"; "\r"
/// breaks the line inside a message. Farsi texts are UTF-8 here and Windows-1256 in files.
struct UiText
{
    TextId id;
    std::string_view english;
    std::string_view farsi;

    constexpr std::string_view in(UiLanguage language) const
    {
        return language == UiLanguage::English ? english : farsi;
    }
};

/// Every text of both languages, one entry per id, in the order of TextId.
std::span<const UiText> UiTexts();

/// The text of @p id in @p language.
std::string_view Text(TextId id, UiLanguage language);

/// A hint's two texts: the short one, a tool-tip, before the first "|" and the long one, the
/// status-bar text, after it. A hint without "|" is both.
struct HintTexts
{
    std::string_view shortText;
    std::string_view longText;
};
HintTexts SplitHint(std::string_view hint);

/// The window title: "Molvane - Untitled" for an untitled document, otherwise "Molvane - "
/// and the file name of @p documentPath without its directory and its last extension.
std::string WindowTitle(std::string_view documentPath);

} // namespace molvane
