#include "texts/Texts.h"

#include <array>
#include <string>

namespace molvane {

namespace {

// A text that several controls share, written once.
struct Shared
{
    std::string_view english, farsi;
};

constexpr UiText entry(TextId id, Shared text)
{
    return { id, text.english, text.farsi };
}

// A text that stays the same under both languages.
constexpr UiText both(TextId id, std::string_view text)
{
    return { id, text, text };
}

constexpr Shared OkText { "OK", "قبول" };
constexpr Shared CancelText { "Cancel", "لغو" };
constexpr Shared HelpText { "Help", "راهنمايي" };
constexpr Shared SettingsMenuText { "&Settings", "تنظيما&ت" };
constexpr Shared DeleteHint { "Delete|Deletes current item",
    "حذف|اين آيتم را پاک مي‌کند" };
constexpr Shared NewItemHint { "New|Creates a new item",
    "ايجاد|يک آيتم جديد مي‌سازد" };
constexpr Shared ListHint { "Click on an item to edit it",
    "براي ويرايش يک گزينه روي آن کليک کنيد" };

constexpr auto Texts = std::to_array<UiText>({
    // The nine message texts.
    { TextId::SaveChanges, "Save changes?", "آيا تغييرات را ذخيره کنم؟" },
    { TextId::CannotBalance,
        "Can not balance this reaction\rIt may be has more than one answer or it is more than one "
        "separate reaction.",
        "نمي‌توانم اين واکنش را موازنه کنم \r ممکن است اين "
        "واکنش "
        "بيش "
        "از "
        "يک "
        "جواب "
        "داشته "
        "باشد "
        "يا "
        "بيش "
        "از يک واکنش مجزا باشد" },
    { TextId::InvalidReaction, "Invalid reaction", "واکنش غلط است" },
    { TextId::InvalidNumber, "Invalid number", "عدد وارد شده اشتباه است" },
    { TextId::CannotOpen, "Can not open this file",
        "نمي‌توانم اين پرونده را باز کنم" },
    { TextId::CannotSave, "Can not save this file",
        "نمي‌توانم اين پرونده را ذخيره کنم" },
    { TextId::AlreadyExists, " already exists.\rDo you want to replace it?",
        " از قبل وجود دارد.\rآيا مي‌خواهيد آن را جايگزين "
        "کنيد؟" },
    { TextId::ReactionHelp,
        "In most cases you have not to use Shift key for letters case.\rTo change or view key "
        "settings choose Key Options from Settings menu.",
        " در اکثر موارد نيازي به نگه داشتن کليد Shift براي شکل حروف نيست.\r براي تغيير يا مشاهده "
        "تنظيمات کليدها از منوي تنظيمات گزينه تنظيمات کليدها را انتخاب کنيد." },
    { TextId::GridHelp,
        "Click \"Calculate Grid\" button to caculate grid's empty cells.\rThis program can "
        "calculate cells by formulas were given to.\rTo view, add or change formulas choose "
        "Options "
        "from Settings menu.",
        "براي محاسبه خانه‌هاي خالي جدول دکمه محاسبه جدول "
        "را "
        "کليک "
        "کنيد.\rاين "
        "برنامه "
        "اين‌ها "
        "را "
        "با "
        "توجه به فرمول‌هايي که به آن داده مي‌شود محاسبه "
        "مي‌کند.\rبراي "
        "افزودن، "
        "ديدن "
        "يا "
        "تغيير "
        "فرمول "
        "ها از منوي تنظيمات گزينه تنظيمات را انتخاب نماييد." },

    // The message box: captions by kind, then the button labels.
    { TextId::WarningTitle, "Warning", "توجه" },
    { TextId::ErrorTitle, "Error", "خطا" },
    { TextId::InformationTitle, "Information", "اطلاعات" },
    { TextId::ConfirmationTitle, "Confirm", "تاييد" },
    { TextId::YesButton, "&Yes", "&بلي" },
    { TextId::NoButton, "&No", "&خير" },
    entry(TextId::OkButton, OkText),
    entry(TextId::CancelButton, CancelText),

    // Why a typed or pasted character was refused (the status bar says it).
    { TextId::RefusedNotInCodePage, "This character can not be saved in a document",
        "اين نويسه را نمي‌توان در پرونده ذخيره کرد" },
    { TextId::RefusedComma, "A comma can not be typed here",
        "ويرگول را نمي‌توان در اينجا وارد کرد" },
    { TextId::RefusedColon, "A colon can not be typed in an item name",
        "دونقطه را نمي‌توان در نام مشخصه وارد کرد" },
    { TextId::RefusedLineBreak, "A line break can not be typed here",
        "خط جديد را نمي‌توان در اينجا وارد کرد" },
    { TextId::RefusedNotADigit, "Only digits can be typed here",
        "در اينجا فقط رقم مي‌توان وارد کرد" },
    { TextId::RefusedOutsideGrid, "The pasted cells reach past the end of the grid",
        "خانه‌هاي چسبانده شده از انتهاي جدول بيرون "
        "مي‌زنند" },

    // Why a reaction failed, after its message.
    { TextId::CauseUnknownElement, "unknown element \"%1\" in substance %2",
        "عنصر ناشناخته «%1» در ماده %2" },
    { TextId::CauseOneSideElement, "element \"%1\" stands on one side of the arrow only",
        "عنصر «%1» تنها در يک طرف پيکان آمده است" },
    { TextId::CauseNoArrow, "no arrow between the reactants and the products",
        "ميان مواد اوليه و فراورده‌ها پيکاني نيست" },
    { TextId::CauseSeveralArrows, "more than one arrow (the second at position %2)",
        "بيش از يک پيکان (دومي در جايگاه %2)" },
    { TextId::CauseUnclosedBracket, "\"%1\" at position %2 is not closed",
        "«%1» در جايگاه %2 بسته نشده است" },
    { TextId::CauseUnopenedBracket, "\"%1\" at position %2 is not opened",
        "«%1» در جايگاه %2 باز نشده است" },
    { TextId::CauseBadCharacter, "\"%1\" at position %2 is not part of a reaction",
        "نويسه «%1» در جايگاه %2 جزو واکنش نيست" },
    { TextId::CauseSeveralReactions, "more than one independent reaction",
        "بيش از يک واکنش مستقل" },
    { TextId::CauseOnlyZero, "only zero coefficients balance it",
        "تنها ضرايب صفر آن را موازنه مي‌کنند" },
    { TextId::CauseElementNotMatched,
        "only zero coefficients balance it: element \"%1\" can not be matched",
        "تنها ضرايب صفر آن را موازنه مي‌کنند: عنصر «%1» "
        "برابر "
        "نمي‌شود" },
    { TextId::CauseChargeNotMatched,
        "only zero coefficients balance it: the charge can not be matched",
        "تنها ضرايب صفر آن را موازنه مي‌کنند: بار "
        "الکتريکي "
        "برابر "
        "نمي‌شود" },
    { TextId::CauseNegativeCoefficient, "substance %2 belongs on the other side of the arrow",
        "ماده %2 بايد در طرف ديگر پيکان باشد" },
    { TextId::CauseZeroCoefficient, "substance %2 takes no part in the reaction",
        "ماده %2 در واکنش شرکت نمي‌کند" },
    { TextId::CauseNegativeCoefficients, "substances %1 belong on the other side of the arrow",
        "مواد %1 بايد در طرف ديگر پيکان باشند" },
    { TextId::CauseZeroCoefficients, "substances %1 take no part in the reaction",
        "مواد %1 در واکنش شرکت نمي‌کنند" },
    { TextId::CauseElementsNotMatched,
        "only zero coefficients balance it: %1 can not be matched together",
        "تنها ضرايب صفر آن را موازنه مي‌کنند: %1 با هم "
        "برابر "
        "نمي‌شوند" },
    { TextId::CauseEmptyReaction, "the reaction is empty", "واکنش خالي است" },
    { TextId::CauseEmptySubstance, "a substance is missing beside \"%1\" at position %2",
        "کنار «%1» در جايگاه %2 ماده اي نيست" },
    { TextId::CauseBadCharge,
        "the charge \"%1\" at position %2 needs a sign and digits only, as in {2+}",
        "بار «%1» در جايگاه %2 بايد تنها يک علامت و رقم داشته باشد، مانند {2+}" },
    { TextId::CauseChargeNotLast, "the charge at position %2 does not end its substance",
        "بار در جايگاه %2 در پايان ماده نيامده است" },
    { TextId::CauseEmptyPart, "\"*\" at position %2 joins no formula",
        "«*» در جايگاه %2 فرمولي را به هم وصل نمي‌کند" },
    { TextId::CauseZeroCount, "the count 0 at position %2", "شمارش صفر در جايگاه %2" },
    { TextId::CauseOutOfRange, "a number is too large", "عددي بيش از اندازه بزرگ است" },
    { TextId::CauseMisplacedSign,
        "\"-\" at position %2 is not a count; write a charge in braces, as in Cl{-}",
        "«-» در جايگاه %2 شمارش نيست؛ بار را در آکولاد بنويسيد، مانند Cl{-}" },
    { TextId::CauseAmbiguousCharge,
        "the digits at position %2 may be a count or a charge: write %1 or %3",
        "رقم‌هاي جايگاه %2 مي‌توانند شمارش يا بار باشند: %1 "
        "يا "
        "%3 "
        "بنويسيد" },
    { TextId::CauseMalformedSubstance, "substance %2 can not be read",
        "ماده %2 خوانده نمي‌شود" },
    { TextId::ChargeWord, "the charge", "بار الکتريکي" },
    { TextId::NotAnElement, "\"%1\" is not an element: it is balanced, without a weight",
        "«%1» عنصر نيست: موازنه مي‌شود، بدون جرم" },
    { TextId::LetterCaseReading,
        "\"%1\" was read as the element %2; for %3 type the second letter as a capital",
        "«%1» عنصر %2 خوانده شد؛ براي %3 حرف دوم را بزرگ بنويسيد" },
    { TextId::ChargeReadingTaken,
        "\"%1\" was read as %2, the ion chemistry knows; type %3 for the other reading",
        "«%1» به صورت %2 خوانده شد، يوني که شيمي مي شناسد؛ براي خوانش ديگر %3 بنويسيد" },

    // Menus and actions of the main window.
    { TextId::FileMenu, "&File", "پر&ونده" },
    { TextId::ReactionMenu, "&Reaction", "&واکنش" },
    entry(TextId::SettingsMenu, SettingsMenuText),
    { TextId::HelpMenu, "&Help", "راهن&مايي" },
    { TextId::FileNewCaption, "&New", "ج&ديد" },
    { TextId::FileNewHint, "New|Creates a new file",
        "جديد|يک پرونده جديد ايجاد مي‌کند" },
    { TextId::FileOpenCaption, "&Open...", "گ&شودن" },
    { TextId::FileOpenHint, "Open|Opens an existing file",
        "گشودن|يک پرونده را باز مي‌کند" },
    { TextId::FileSaveCaption, "&Save", "ذ&خيره" },
    { TextId::FileSaveHint, "Save|Saves file",
        "ذخيره|پرونده را ذخيره مي‌کند" },
    { TextId::FileSaveAsCaption, "Save &As...", "ذخيره با &نام جديد" },
    { TextId::FileSaveAsHint, "Save As|Saves file with a new name",
        "ذخيره با نام جديد |پرونده را با نام جديد ذخيره "
        "مي‌کند" },
    { TextId::FilePrintCaption, "&Export as Bitmap", "&تبديل به تصوير" },
    { TextId::FilePrintHint, "Export as Bitmap|Exports file as a windows Bitmap image",
        "تبديل به تصوير|پرونده را تبديل به يک نقشه بيتي ويندوز "
        "مي‌کند" },
    { TextId::FileHtmlCaption, "Export as &HTML file", "ت&بديل به صفحه ي وب" },
    { TextId::FileHtmlHint, "Export as HTML file|Exports file as a web page",
        "تبديل به صفحه ي وب|پرونده را تبديل به يک صفحه ي وب "
        "مي‌کند" },
    { TextId::FilePrintPagesCaption, "&Print...", "&چاپ..." },
    { TextId::FilePrintPagesHint, "Print|Prints the reaction, the grid and the working",
        "چاپ|واکنش، جدول و راه حل را چاپ مي کند" },
    { TextId::FilePdfCaption, "Export as P&DF file", "تبديل به پرونده ي &PDF" },
    { TextId::FilePdfHint, "Export as PDF file|Exports file as printed pages in a PDF file",
        "تبديل به پرونده ي PDF|پرونده را به صفحه هاي چاپي در يک پرونده ي PDF تبديل مي کند" },
    { TextId::FileExitCaption, "E&xit", "خ&روج" },
    { TextId::FileExitHint, "Exit|Quits the application", "خروج|خروج از برنامه" },
    { TextId::ReactionCopyCaption, "&Copy", "&کپي" },
    { TextId::ReactionCopyHint, "Copy|Copies the reaction and puts it on the Clipboard",
        "کپي|واکنش را در Clipboard کپي مي‌کند" },
    { TextId::ReactionPasteCaption, "&Paste", "&فرا خواني" },
    { TextId::ReactionPasteHint, "Paste|Inserts the contents of the Clipboard as reaction",
        "فرا خواني| واکنش کپي شده در Clipboard را فرا "
        "مي‌خواند" },
    { TextId::SettingsOptionsCaption, "&Options", SettingsMenuText.farsi },
    { TextId::SettingsOptionsHint, "Options|Changes Options", "تنظيمات|تغيير تنظيمات برنامه" },
    { TextId::SettingsKeyCaption, "&Key Options", "تنظيمات کليد&ها" },
    { TextId::SettingsKeyHint, "Key Options|Changes key Options",
        "تنظيمات کليدها|تغيير تنظيمات کليدها" },
    // The two language actions keep their captions under both languages.
    both(TextId::SettingsEnglishCaption, "&انگليسي"),
    both(TextId::SettingsEnglishHint, "انگليسي|تغيير زبان برنامه به انگليسي"),
    both(TextId::SettingsFarsiCaption, "&Farsi"),
    both(TextId::SettingsFarsiHint, "Farsi|Changes program's language to Farsi"),
    { TextId::HelpHelpCaption, "&Help", "&راهنمايي" },
    entry(TextId::HelpHelpHint, HelpText),
    { TextId::HelpOnlineCaption, "&Online Help", "را&هنمايي از طريق اينترنت" },
    { TextId::HelpOnlineHint, "Online Help", "راهنمايي از طريق اينترنت" },
    { TextId::HelpMailCaption, "&Comments and problems", "&نظرات و مشکلات" },
    { TextId::HelpMailHint, "Comments and problems|If you have any comments or problems send me it",
        "نظرات و مشکلات|اگر پيشنهاد يا مشکلي داريد آن را براي من بفرستيد" },
    { TextId::HelpWebsiteCaption, "&Visit Website", "&صفحه وب" },
    { TextId::HelpWebsiteHint, "Visit Website|Opens my website URL",
        "صفحه وب|ديدار از صفحه وب من" },
    { TextId::HelpSourceCaption, "&Source Code", "&کد برنامه" },
    { TextId::HelpSourceHint, "Source Code|Buy this program's source code from web",
        "کد برنامه|خريد کد برنامه از طريق اينترنت" },
    { TextId::HelpAboutCaption, "&About...", "&درباره اين برنامه" },
    { TextId::HelpAboutHint, "About|Shows some informations about this program",
        "درباره اين برنامه|به دست آوردن اطلاعاتي درباره اين برنامه" },
    // The Farsi advice is for readers who cannot see Farsi, so it is English under both.
    both(TextId::HelpFarsiCaption, "&Problem with Farsi language"),
    both(TextId::HelpFarsiHint, "If you can not read Farsi texts click this item"),
    both(TextId::FarsiAdvice,
        "1- Farsi language must be installed on your computer.\r2- Farsi language must be "
        "non-Unicode programs' language.\rGo to Control Panel > Regional and Language Options "
        "and fix it."),
    { TextId::HelpPrompt, "Click on item you need information about",
        "روي گزينه اي که به اطلاعاتي در مورد آن نياز داريد کليک کنيد" },
    { TextId::LinkNotOpened,
        "Can not open this address. Copy it into your web browser or mail program:\r%1",
        "نمي توانم اين نشاني را باز کنم. آن را در مرورگر يا برنامه ي نامه رونوشت کنيد:\r%1" },
    { TextId::ReactionUndoCaption, "&Undo", "&واگرد" },
    { TextId::ReactionUndoHint, "Undo|Undoes the last change of the reaction",
        "واگرد|آخرين تغيير واکنش را برمي گرداند" },
    { TextId::ReactionRedoCaption, "&Redo", "&از نو" },
    { TextId::ReactionRedoHint, "Redo|Makes the last undone change of the reaction again",
        "از نو|تغييري را که برگردانده شده دوباره انجام "
        "مي‌دهد" },
    { TextId::ReactionCalculateGridCaption, "Calculate &Grid", "&محاسبه جدول" },
    { TextId::ReactionCalculateGridHint, "Calculate Grid|Calculates the grid's empty cells",
        "محاسبه جدول|خانه‌هاي خالي جدول را محاسبه "
        "مي‌کند" },
    { TextId::RecentDocumentsMenu, "&Recent Documents", "&پرونده‌هاي اخير" },

    // Other texts of the main window.
    both(TextId::ApplicationTitle, "Molvane"),
    { TextId::ReactionLabel, "Reaction:", "واکنش:" },
    { TextId::PropertiesLabel, "Substances' properties:", "خواص مواد:" },
    { TextId::BalanceButton, "Balance", "موازنه" },
    { TextId::CalculateGridButton, "Calculate Grid", "محاسبه جدول" },
    { TextId::ReactionEditorHint, "Click to type reaction", "براي نوشتن واکنش کليک کنيد" },
    { TextId::CalculateGridHint, "Click to calculate grid", "براي محاسبه جدول کليک کنيد" },
    { TextId::OpenDialogTitle, "Open", "گشودن" },
    { TextId::SaveDialogTitle, "Save", "ذخيره" },

    // The About dialog.
    { TextId::AboutDialogTitle, "About...", "درباره اين برنامه" },
    both(TextId::AboutProgramName, "Molvane"),
    // Major and minor only; Farsi writes the decimal point as a slash.
    { TextId::AboutVersion, "Version " MOLVANE_VERSION_MAJOR "." MOLVANE_VERSION_MINOR,
        "نسخه " MOLVANE_VERSION_MAJOR "/" MOLVANE_VERSION_MINOR },

    // The Key Options dialog.
    { TextId::KeyOptionsDialogTitle, "Key Options", "تنظيمات کليدها" },
    { TextId::AutoIdentification, "Elements auto identification", "تشخيص اتوماتيک عناصر" },

    // The Options dialog.
    { TextId::OptionsDialogTitle, "Options", "تنظيمات" },
    { TextId::FontsPage, "Fonts", "قلم‌ها" },
    { TextId::GridPage, "Grid", "جدول" },
    { TextId::ProgramFontLabel, "Program Font :", "قلم برنامه :" },
    { TextId::GridFontLabel, "Grid Font :", "قلم جدول :" },
    { TextId::ReactionFontLabel, "Reaction Font :", "قلم واکنش :" },
    { TextId::NumbersFontLabel, "Numbers Font :", "قلم ضرايب :" },
    { TextId::SubscriptsFontLabel, "Subscripts Font :", "قلم زيرنويس‌ها :" },
    { TextId::NameLabel, "Name:", "نام:" },
    { TextId::SizeLabel, "Size:", "اندازه:" },
    { TextId::ColorLabel, "Color:", "رنگ:" },
    { TextId::SubscriptsPositionLabel,
        "Subscripts Position:", "موقعيت زيرنويس‌ها:" },
    { TextId::ItemsLabel, "Items :", "آيتم‌ها :" },
    { TextId::FormulasLabel, "Formulas :", "فرمول‌ها :" },
    { TextId::TypeLabel, "Type:", "نوع:" },
    { TextId::WidthLabel, "Width:", "پهنا:" },
    { TextId::DefaultCaption, "Default", "پيش فرض" },
    { TextId::DefaultHint, "Remember current settings for all new files",
        "انتخاب اين‌ها به عنوان تنظيمات پيش فرض فايل‌هاي "
        "جديد" },
    // The status-bar text when Default could not write the template.
    { TextId::TemplateNotWritten, "The settings could not be remembered for new files",
        "نمي‌توانم اين تنظيمات را براي فايل‌هاي جديد "
        "ذخيره "
        "کنم" },
    entry(TextId::OkCaption, OkText),
    { TextId::OkHint, "Close this dialog and apply changes", "بستن اين پنجره و افزودن تغييرات" },
    entry(TextId::CancelCaption, CancelText),
    { TextId::CancelHint, "Close this dialog without applying changes",
        "بستن اين پنجره بدون افزودن تغييرات" },
    entry(TextId::HelpButtonCaption, HelpText),
    entry(TextId::HelpButtonHint, HelpText),
    { TextId::ItemUpHint, "Move Up|Moves current item one step up",
        "حرکت به بالا|اين آيتم را يک مرحله بالا مي‌برد" },
    { TextId::ItemDownHint, "Move Down|Moves current item one step down",
        "حرکت به پايين|اين آيتم را يک مرحله پايين مي‌برد" },
    entry(TextId::ItemDeleteHint, DeleteHint),
    entry(TextId::FormulaDeleteHint, DeleteHint),
    entry(TextId::ItemNewHint, NewItemHint),
    entry(TextId::FormulaNewHint, NewItemHint),
    entry(TextId::ItemListHint, ListHint),
    entry(TextId::FormulaListHint, ListHint),
    // Four lines; the Farsi ones are in logical order, meant for right-to-left display.
    { TextId::FormulaHelp,
        "Use # mark before functions' name.\ra=Current Substance , b=Another Substance\rSupported "
        "mathematical operators: !, ^(power), *, /, +, -\rExample: ((#Mol(b) * 5) + 1) / (#Mol(a))",
        "پيش از نام توابع علامت # را به کار بريد.\ra=ماده مورد نظر , b=ماده اي ديگر\rعمليات رياضي "
        "قابل قبول: !, ^(توان), *, /, +, -\rمثال: ((a)مول#) / (1 + (5 * (b)مول#))" },
    { TextId::ReactionShowWorkingCaption, "Show &Working", "نمايش &راه حل" },
    { TextId::ReactionShowWorkingHint,
        "Show Working|Shows how the reaction is balanced, step by step",
        "نمايش راه حل|نشان مي‌دهد واکنش گام به گام چگونه "
        "موازنه "
        "مي‌شود" },
    { TextId::WorkingTitle, "Working", "راه حل" },
    { TextId::WorkingUnknowns,
        "Unknowns, one per substance:", "مجهول‌ها، يکي براي هر ماده:" },
    { TextId::WorkingEquations,
        "Equations, one per element:", "معادله‌ها، يکي براي هر عنصر:" },
    { TextId::WorkingEquationsWithCharge, "Equations, one per element and one for the charge:",
        "معادله‌ها، يکي براي هر عنصر و يکي براي بار:" },
    { TextId::WorkingChargeRow, "charge", "بار" },
    { TextId::WorkingStart, "We start from %2 and set %1.",
        "از %2 شروع مي‌کنيم و %1 مي‌گيريم." },
    { TextId::WorkingSolve, "%1 gives %2, that is %3, so %4.",
        "از %1 به %2 مي‌رسيم، يعني %3، پس %4." },
    { TextId::WorkingSolveSimplified, "%1 gives %2, so %3.",
        "از %1 به %2 مي‌رسيم، پس %3." },
    { TextId::WorkingSolveDirect, "%1 gives %2.", "از %1 به %2 مي‌رسيم." },
    { TextId::WorkingExpress, "%1 gives %2, so %3; we put it into the equations that hold it:",
        "از %1 به %2 مي‌رسيم، پس %3؛ آن را در معادله‌هايي که "
        "آن "
        "را "
        "دارند "
        "مي‌گذاريم:" },
    { TextId::WorkingExpressDirect, "%1 gives %2; we put it into the equations that hold it:",
        "از %1 به %2 مي‌رسيم؛ آن را در معادله‌هايي که آن را "
        "دارند "
        "مي‌گذاريم:" },
    { TextId::WorkingRewrite, "%1, that is %2", "%1، يعني %2" },
    { TextId::WorkingFractions, "The values found hold fractions: %1.",
        "مقدارهاي به دست آمده کسر دارند: %1." },
    { TextId::WorkingMultiply,
        "We multiply every value by %1, the least common multiple of the denominators.",
        "همه‌ي مقدارها را در %1، کوچک‌ترين مضرب مشترک "
        "مخرج‌ها، "
        "ضرب "
        "مي‌کنيم." },
    { TextId::WorkingCoefficients, "Coefficients: %1", "ضريب‌ها: %1" },
    { TextId::WorkingCheck, "Check: %1", "بررسي: %1" },
    { TextId::WorkingOutOfRange, "The numbers of the working are too large to show.",
        "عددهاي راه حل بزرگ‌تر از آن هستند که نشان داده "
        "شوند." },
    { TextId::WorkingNoAnswer, "No single answer: %1.", "جواب يکتايي ندارد: %1." },
    { TextId::RedoxTitle, "Half-reactions", "نيم‌واکنش‌ها" },
    { TextId::RedoxNumbers, "Oxidation numbers:", "عددهاي اکسايش:" },
    { TextId::RedoxCannotAssign,
        "The rules give no oxidation number to every element of %1, so the method does not apply.",
        "قاعده‌ها به همه‌ي عنصرهاي %1 عدد اکسايش "
        "نمي‌دهند، "
        "پس "
        "اين "
        "روش "
        "به "
        "کار "
        "نمي‌آيد." },
    { TextId::RedoxMixedStates,
        "%1 stands in the reactants at more than one oxidation number, so the method does not "
        "apply.",
        "%1 در واکنش‌دهنده‌ها با بيش از يک عدد اکسايش آمده "
        "است، "
        "پس "
        "اين "
        "روش "
        "به "
        "کار "
        "نمي‌آيد." },
    { TextId::RedoxOneSide,
        "The reaction shows only oxidation or only reduction, so the method does not apply.",
        "واکنش فقط اکسايش يا فقط کاهش دارد، پس اين روش به کار "
        "نمي‌آيد." },
    { TextId::RedoxSeveral,
        "More than one substance is oxidised or reduced, so the method does not apply as one "
        "transfer.",
        "بيش از يک ماده اکسيد يا کاهيده مي‌شود، پس اين روش "
        "به "
        "صورت "
        "يک "
        "انتقال "
        "به "
        "کار "
        "نمي‌آيد." },
    { TextId::RedoxNoChange, "No oxidation number changes, so the reaction is no redox reaction.",
        "هيچ عدد اکسايشي تغيير نمي‌کند، پس واکنش "
        "اکسايش-کاهش "
        "نيست." },
    { TextId::RedoxOxidised, "%1 is oxidised from %2 to %3 (%4 to %5).",
        "%1 از %2 به %3 اکسيد مي‌شود (%4 به %5)." },
    { TextId::RedoxReduced, "%1 is reduced from %2 to %3 (%4 to %5).",
        "%1 از %2 به %3 کاهيده مي‌شود (%4 به %5)." },
    { TextId::RedoxAcid, "The medium is acidic, so hydrogen is balanced with %1.",
        "محيط اسيدي است، پس هيدروژن با %1 موازنه مي‌شود." },
    { TextId::RedoxBase,
        "The medium is basic, so hydrogen is balanced with %1 and each %1 then made water with %2 "
        "added to both sides.",
        "محيط بازي است، پس هيدروژن با %1 موازنه مي‌شود و "
        "سپس "
        "هر "
        "%1 "
        "با "
        "افزودن "
        "%2 "
        "به "
        "هر "
        "دو "
        "طرف "
        "آب "
        "مي‌شود." },
    { TextId::RedoxOxidationHalf,
        "Oxidation half-reaction of %1:", "نيم‌واکنش اکسايش %1:" },
    { TextId::RedoxReductionHalf,
        "Reduction half-reaction of %1:", "نيم‌واکنش کاهش %1:" },
    { TextId::RedoxSkeleton, "We start from %1.", "از %1 شروع مي‌کنيم." },
    { TextId::RedoxForElement, "We balance %1: %2.", "%1 را موازنه مي‌کنيم: %2." },
    { TextId::RedoxForOxygen, "We balance oxygen with %1: %2.",
        "اکسيژن را با %1 موازنه مي‌کنيم: %2." },
    { TextId::RedoxForHydrogen, "We balance hydrogen with %1: %2.",
        "هيدروژن را با %1 موازنه مي‌کنيم: %2." },
    { TextId::RedoxForCharge, "We balance the charge with %1: %2.",
        "بار را با %1 موازنه مي‌کنيم: %2." },
    { TextId::RedoxInBase, "We add %1 to both sides for each %2: %3.",
        "به ازاي هر %2 يک %1 به هر دو طرف مي‌افزاييم: %3." },
    { TextId::RedoxEqualElectrons,
        "The electrons are made equal: the oxidation times %1, the reduction times %2.",
        "الکترون‌ها را برابر مي‌کنيم: اکسايش ضرب در %1، "
        "کاهش "
        "ضرب "
        "در "
        "%2." },
    { TextId::RedoxSum, "The halves added give %1.",
        "جمع دو نيم‌واکنش %1 را مي‌دهد." },
    { TextId::RedoxCancelled, "The species on both sides cancelled, the reaction is %1.",
        "با حذف گونه‌هاي دو طرف، واکنش %1 است." },
    { TextId::RedoxAgrees, "This is Balance's answer: %1.", "اين همان جواب موازنه است: %1." },
    { TextId::RedoxDiffers, "This is not Balance's answer (%1), so the method does not apply.",
        "اين جواب موازنه (%1) نيست، پس اين روش به کار "
        "نمي‌آيد." },
    { TextId::RedoxLoses, "%1 loses %2 electrons per formula unit.",
        "%1 در هر واحد فرمولي %2 الکترون از دست مي‌دهد." },
    { TextId::RedoxGains, "%1 gains %2 electrons per formula unit.",
        "%1 در هر واحد فرمولي %2 الکترون مي‌گيرد." },
    { TextId::RedoxLcm,
        "The least common multiple of the electrons is %1, so %2 takes %3 and %4 takes %5.",
        "کوچک‌ترين مضرب مشترک الکترون‌ها %1 است، پس ضريب "
        "%2 "
        "برابر "
        "%3 "
        "و "
        "ضريب "
        "%4 "
        "برابر "
        "%5 "
        "است." },
    { TextId::RedoxInspection, "The other elements by inspection give %1.",
        "عنصرهاي ديگر با وارسي %1 را مي‌دهند." },
    { TextId::CompleteRedoxOffer,
        "Only zero coefficients balance this ionic reaction: it lacks the water and hydrogen ions "
        "of its half-reactions.\rComplete it in acid with H2O and H{+} (Yes), or in base with H2O "
        "and OH{-} (No)?",
        "فقط ضريب‌هاي صفر اين واکنش يوني را موازنه "
        "مي‌کنند: "
        "آب "
        "و "
        "يون‌هاي "
        "هيدروژن "
        "نيم‌واکنش‌هايش را ندارد.\rآن را در محيط اسيدي با "
        "H2O "
        "و "
        "H{+} "
        "کامل "
        "کنيم "
        "(بله)، "
        "يا "
        "در "
        "محيط بازي با H2O و OH{-} (خير)؟" },
    { TextId::HtmlWithWorking, "Add the &working to the page", "افزودن &راه حل به صفحه" },

    // Quantities.
    { TextId::SettingsWeightsMenu, "&Atomic Weights", "&جرم هاي اتمي" },
    { TextId::SettingsWeightsOriginalCaption, "&Original table", "جدول ا&صلي" },
    { TextId::SettingsWeightsOriginalHint,
        "Original table|Uses the atomic weights the program has always used",
        "جدول اصلي|جرم هاي اتمي هميشگي برنامه را به کار مي برد" },
    { TextId::SettingsWeightsIupacCaption, "&IUPAC 2021", "جدول &IUPAC 2021" },
    { TextId::SettingsWeightsIupacHint,
        "IUPAC 2021|Uses the standard atomic weights IUPAC published in 2021",
        "جدول IUPAC 2021|جرم هاي اتمي استاندارد منتشر شده IUPAC در سال 2021 را به کار مي برد" },
    { TextId::CompositionHeader, "Element\tCount\tAtomic weight\tMass\tMass %",
        "عنصر\tتعداد\tجرم اتمي\tجرم\tدرصد جرمي" },
    { TextId::GridHint,
        "Pale cells were computed by Calculate Grid, which computes them again from the cells "
        "you typed",
        "خانه هاي کم رنگ را محاسبه جدول پر کرده است و آن ها را از خانه هايي که نوشته ايد دوباره "
        "حساب مي کند" },
    { TextId::LimitingReactant, "%1 is the limiting reactant; left over: %2",
        "%1 واکنش دهنده محدود کننده است؛ باقي مانده: %2" },
    { TextId::LeftOver, "%2 %3 of %1", "%2 %3 از %1" },
    { TextId::NoLimitingReactant,
        "No limiting reactant can be decided: the products come from the first given reactant",
        "واکنش دهنده محدود کننده را نمي توان تعيين کرد: فرآورده ها از نخستين واکنش دهنده داده "
        "شده حساب شدند" },
});

// Each id indexes its own entry, so a lookup can neither miss nor land on another text.
constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < Texts.size(); ++i)
        if (Texts[i].id != TextId(i))
            return false;
    return true;
}
static_assert(Texts.size() == std::size_t(TextId::Count), "one text per id");
static_assert(inIdOrder(), "the texts stand in the order of their ids");

} // namespace

std::span<const UiText> UiTexts()
{
    return Texts;
}

std::string_view Text(TextId id, UiLanguage language)
{
    return Texts[std::size_t(id)].in(language);
}

HintTexts SplitHint(std::string_view hint)
{
    const auto bar = hint.find('|');
    if (bar == std::string_view::npos)
        return { hint, hint };
    return { hint.substr(0, bar), hint.substr(bar + 1) };
}

std::string WindowTitle(std::string_view documentPath)
{
    std::string title(Text(TextId::ApplicationTitle, UiLanguage::English));
    if (documentPath.empty())
        return title + " - Untitled";
    std::string_view name = documentPath.substr(documentPath.find_last_of('/') + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string_view::npos)
        name = name.substr(0, dot);
    return title + " - " + std::string(name);
}

} // namespace molvane
