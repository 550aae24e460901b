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
constexpr Shared DeleteHint { "Delete|Deletes current item", "حذف|اين آيتم را پاك مي كند" };
constexpr Shared NewItemHint { "New|Creates a new item", "ايجاد|يك آيتم جديد مي سازد" };
constexpr Shared ListHint { "Click on an item to edit it",
    "براي ويرايش يک گزينه روي آن کليک کنيد" };

constexpr auto Texts = std::to_array<UiText>({
    // The nine message texts.
    { TextId::SaveChanges, "Save changes?", "آيا تغييرات را ذخيره كنم؟" },
    { TextId::CannotBalance,
        "Can not balance this reaction\rIt may be has more than one answer or it is more than one "
        "separate reaction.",
        "نمي توانم اين واکنش را موازنه کنم \r ممکن است اين واکنش بيش از يک جواب داشته باشد يا بيش "
        "از يک واکنش مجزا باشد" },
    { TextId::InvalidReaction, "Invalid reaction", "واکنش غلط است" },
    { TextId::InvalidNumber, "Invalid number", "عدد وارد شده اشتباه است" },
    { TextId::CannotOpen, "Can not open this file", "نمي توانم اين پرونده را باز كنم" },
    { TextId::CannotSave, "Can not save this file", "نمي توانم اين پرونده را ذخيره كنم" },
    { TextId::AlreadyExists, " already exists.\rDo you want to replace it?",
        " از قبل وجود دارد.\rآيا مي خواهيد آن را جايگزين كنيد؟" },
    { TextId::ReactionHelp,
        "In most cases you have not to use Shift key for letters case.\rTo change or view key "
        "settings choose Key Options from Settings menu.",
        " در اكثر موارد نيازي به نگه داشتن كليد Shift براي شكل حروف نيست.\r براي تغيير يا مشاهده "
        "تنظيمات كليدها از منوي تنظيمات گزينه تنظيمات كليدها را انتخاب كنيد." },
    { TextId::GridHelp,
        "Click \"Calculate Grid\" button to caculate grid's empty cells.\rThis program can "
        "calculate cells by formulas were given to.\rTo view, add or change formulas choose "
        "Options "
        "from Settings menu.",
        "براي محاسبه خانه هاي خالي جدول دكمه محاسبه جدول را كليك كنيد.\rاين برنامه اين ها را با "
        "توجه به فرمول هايي كه به آن داده مي شود محاسبه مي كند.\rبراي افزودن، ديدن يا تغيير فرمول "
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
        "اين نويسه را نمي توان در پرونده ذخيره كرد" },
    { TextId::RefusedComma, "A comma can not be typed here",
        "ويرگول را نمي توان در اينجا وارد كرد" },
    { TextId::RefusedColon, "A colon can not be typed in an item name",
        "دونقطه را نمي توان در نام مشخصه وارد كرد" },
    { TextId::RefusedLineBreak, "A line break can not be typed here",
        "خط جديد را نمي توان در اينجا وارد كرد" },
    { TextId::RefusedNotADigit, "Only digits can be typed here",
        "در اينجا فقط رقم مي توان وارد كرد" },
    { TextId::RefusedOutsideGrid, "The pasted cells reach past the end of the grid",
        "خانه هاي چسبانده شده از انتهاي جدول بيرون مي زنند" },

    // Why a reaction failed, after its message.
    { TextId::CauseUnknownElement, "unknown element \"%1\" in substance %2",
        "عنصر ناشناخته «%1» در ماده %2" },
    { TextId::CauseOneSideElement, "element \"%1\" stands on one side of the arrow only",
        "عنصر «%1» تنها در يک طرف پيکان آمده است" },
    { TextId::CauseNoArrow, "no arrow between the reactants and the products",
        "ميان مواد اوليه و فراورده ها پيکاني نيست" },
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
        "تنها ضرايب صفر آن را موازنه مي کنند" },
    { TextId::CauseElementNotMatched,
        "only zero coefficients balance it: element \"%1\" can not be matched",
        "تنها ضرايب صفر آن را موازنه مي کنند: عنصر «%1» برابر نمي شود" },
    { TextId::CauseChargeNotMatched,
        "only zero coefficients balance it: the charge can not be matched",
        "تنها ضرايب صفر آن را موازنه مي کنند: بار الکتريکي برابر نمي شود" },
    { TextId::CauseNegativeCoefficient, "substance %2 belongs on the other side of the arrow",
        "ماده %2 بايد در طرف ديگر پيکان باشد" },
    { TextId::CauseZeroCoefficient, "substance %2 takes no part in the reaction",
        "ماده %2 در واکنش شرکت نمي کند" },
    { TextId::CauseNegativeCoefficients, "substances %1 belong on the other side of the arrow",
        "مواد %1 بايد در طرف ديگر پيكان باشند" },
    { TextId::CauseZeroCoefficients, "substances %1 take no part in the reaction",
        "مواد %1 در واكنش شركت نمي كنند" },
    { TextId::CauseElementsNotMatched,
        "only zero coefficients balance it: %1 can not be matched together",
        "تنها ضرايب صفر آن را موازنه مي كنند: %1 با هم برابر نمي شوند" },
    { TextId::CauseEmptyReaction, "the reaction is empty", "واكنش خالي است" },
    { TextId::CauseEmptySubstance, "a substance is missing beside \"%1\" at position %2",
        "كنار «%1» در جايگاه %2 ماده اي نيست" },
    { TextId::CauseBadCharge,
        "the charge \"%1\" at position %2 needs a sign and digits only, as in {2+}",
        "بار «%1» در جايگاه %2 بايد تنها يك علامت و رقم داشته باشد، مانند {2+}" },
    { TextId::CauseChargeNotLast, "the charge at position %2 does not end its substance",
        "بار در جايگاه %2 در پايان ماده نيامده است" },
    { TextId::CauseEmptyPart, "\"*\" at position %2 joins no formula",
        "«*» در جايگاه %2 فرمولي را به هم وصل نمي كند" },
    { TextId::CauseZeroCount, "the count 0 at position %2", "شمارش صفر در جايگاه %2" },
    { TextId::CauseOutOfRange, "a number is too large", "عددي بيش از اندازه بزرگ است" },
    { TextId::CauseMisplacedSign,
        "\"-\" at position %2 is not a count; write a charge in braces, as in Cl{-}",
        "«-» در جايگاه %2 شمارش نيست؛ بار را در آكولاد بنويسيد، مانند Cl{-}" },
    { TextId::CauseAmbiguousCharge,
        "the digits at position %2 may be a count or a charge: write %1 or %3",
        "رقم هاي جايگاه %2 مي توانند شمارش يا بار باشند: %1 يا %3 بنويسيد" },
    { TextId::CauseMalformedSubstance, "substance %2 can not be read", "ماده %2 خوانده نمي شود" },
    { TextId::ChargeWord, "the charge", "بار الكتريكي" },
    { TextId::NotAnElement, "\"%1\" is not an element: it is balanced, without a weight",
        "«%1» عنصر نيست: موازنه مي شود، بدون جرم" },
    { TextId::LetterCaseReading,
        "\"%1\" was read as the element %2; for %3 type the second letter as a capital",
        "«%1» عنصر %2 خوانده شد؛ براي %3 حرف دوم را بزرگ بنويسيد" },

    // Menus and actions of the main window.
    { TextId::FileMenu, "&File", "پر&ونده" },
    { TextId::ReactionMenu, "&Reaction", "&واکنش" },
    entry(TextId::SettingsMenu, SettingsMenuText),
    { TextId::HelpMenu, "&Help", "راهن&مايي" },
    { TextId::FileNewCaption, "&New", "ج&ديد" },
    { TextId::FileNewHint, "New|Creates a new file", "جديد|يك پرونده جديد ايجاد مي كند" },
    { TextId::FileOpenCaption, "&Open...", "گ&شودن" },
    { TextId::FileOpenHint, "Open|Opens an existing file", "گشودن|يك پرونده را باز مي كند" },
    { TextId::FileSaveCaption, "&Save", "ذ&خيره" },
    { TextId::FileSaveHint, "Save|Saves file", "ذخيره|پرونده را ذخيره مي كند" },
    { TextId::FileSaveAsCaption, "Save &As...", "ذخيره با &نام جديد" },
    { TextId::FileSaveAsHint, "Save As|Saves file with a new name",
        "ذخيره با نام جديد |پرونده را با نام جديد ذخيره مي كند" },
    { TextId::FilePrintCaption, "&Export as Bitmap", "&تبديل به تصوير" },
    { TextId::FilePrintHint, "Export as Bitmap|Exports file as a windows Bitmap image",
        "تبديل به تصوير|پرونده را تبديل به يك نقشه بيتي ويندوز مي كند" },
    { TextId::FileHtmlCaption, "Export as &HTML file", "ت&بديل به صفحه ي وب" },
    { TextId::FileHtmlHint, "Export as HTML file|Exports file as a web page",
        "تبديل به صفحه ي وب|پرونده را تبديل به يك صفحه ي وب مي كند" },
    { TextId::FilePrintPagesCaption, "&Print...", "&چاپ..." },
    { TextId::FilePrintPagesHint, "Print|Prints the reaction, the grid and the working",
        "چاپ|واكنش، جدول و راه حل را چاپ مي كند" },
    { TextId::FilePdfCaption, "Export as P&DF file", "تبديل به پرونده ي &PDF" },
    { TextId::FilePdfHint, "Export as PDF file|Exports file as printed pages in a PDF file",
        "تبديل به پرونده ي PDF|پرونده را به صفحه هاي چاپي در يك پرونده ي PDF تبديل مي كند" },
    { TextId::FileExitCaption, "E&xit", "خ&روج" },
    { TextId::FileExitHint, "Exit|Quits the application", "خروج|خروج از برنامه" },
    { TextId::ReactionCopyCaption, "&Copy", "&کپي" },
    { TextId::ReactionCopyHint, "Copy|Copies the reaction and puts it on the Clipboard",
        "کپي|واکنش را در Clipboard کپي مي کند" },
    { TextId::ReactionPasteCaption, "&Paste", "&فرا خواني" },
    { TextId::ReactionPasteHint, "Paste|Inserts the contents of the Clipboard as reaction",
        "فرا خواني| واکنش کپي شده در Clipboard را فرا مي خواند" },
    { TextId::SettingsOptionsCaption, "&Options", SettingsMenuText.farsi },
    { TextId::SettingsOptionsHint, "Options|Changes Options", "تنظيمات|تغيير تنظيمات برنامه" },
    { TextId::SettingsKeyCaption, "&Key Options", "تنظيمات كليد&ها" },
    { TextId::SettingsKeyHint, "Key Options|Changes key Options",
        "تنظيمات كليدها|تغيير تنظيمات كليدها" },
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
        "نمي توانم اين نشاني را باز كنم. آن را در مرورگر يا برنامه ي نامه رونوشت كنيد:\r%1" },
    { TextId::ReactionUndoCaption, "&Undo", "&واگرد" },
    { TextId::ReactionUndoHint, "Undo|Undoes the last change of the reaction",
        "واگرد|آخرين تغيير واكنش را برمي گرداند" },
    { TextId::ReactionRedoCaption, "&Redo", "&از نو" },
    { TextId::ReactionRedoHint, "Redo|Makes the last undone change of the reaction again",
        "از نو|تغييري را كه برگردانده شده دوباره انجام مي دهد" },
    { TextId::ReactionCalculateGridCaption, "Calculate &Grid", "&محاسبه جدول" },
    { TextId::ReactionCalculateGridHint, "Calculate Grid|Calculates the grid's empty cells",
        "محاسبه جدول|خانه هاي خالي جدول را محاسبه مي كند" },
    { TextId::RecentDocumentsMenu, "&Recent Documents", "&پرونده هاي اخير" },

    // Other texts of the main window.
    both(TextId::ApplicationTitle, "Molvane"),
    { TextId::ReactionLabel, "Reaction:", "واكنش:" },
    { TextId::PropertiesLabel, "Substances' properties:", "خواص مواد:" },
    { TextId::BalanceButton, "Balance", "موازنه" },
    { TextId::CalculateGridButton, "Calculate Grid", "محاسبه جدول" },
    { TextId::ReactionEditorHint, "Click to type reaction", "براي نوشتن واکنش کليک کنيد" },
    { TextId::CalculateGridHint, "Click to calculate grid", "براي محاسبه جدول كليك كنيد" },
    { TextId::OpenDialogTitle, "Open", "گشودن" },
    { TextId::SaveDialogTitle, "Save", "ذخيره" },

    // The About dialog.
    { TextId::AboutDialogTitle, "About...", "درباره اين برنامه" },
    both(TextId::AboutProgramName, "Molvane"),
    // Major and minor only; Farsi writes the decimal point as a slash.
    { TextId::AboutVersion, "Version " MOLVANE_VERSION_MAJOR "." MOLVANE_VERSION_MINOR,
        "نسخه " MOLVANE_VERSION_MAJOR "/" MOLVANE_VERSION_MINOR },

    // The Key Options dialog.
    { TextId::KeyOptionsDialogTitle, "Key Options", "تنظيمات كليدها" },
    { TextId::AutoIdentification, "Elements auto identification", "تشخيص اتوماتيک عناصر" },

    // The Options dialog.
    { TextId::OptionsDialogTitle, "Options", "تنظيمات" },
    { TextId::FontsPage, "Fonts", "قلم ها" },
    { TextId::GridPage, "Grid", "جدول" },
    { TextId::ProgramFontLabel, "Program Font :", "قلم برنامه :" },
    { TextId::GridFontLabel, "Grid Font :", "قلم جدول :" },
    { TextId::ReactionFontLabel, "Reaction Font :", "قلم واكنش :" },
    { TextId::NumbersFontLabel, "Numbers Font :", "قلم ضرايب :" },
    { TextId::SubscriptsFontLabel, "Subscripts Font :", "قلم زيرنويس ها :" },
    { TextId::NameLabel, "Name:", "نام:" },
    { TextId::SizeLabel, "Size:", "اندازه:" },
    { TextId::ColorLabel, "Color:", "رنگ:" },
    { TextId::SubscriptsPositionLabel, "Subscripts Position:", "موقعيت زيرنويس ها:" },
    { TextId::ItemsLabel, "Items :", "آيتم ها :" },
    { TextId::FormulasLabel, "Formulas :", "فرمول ها :" },
    { TextId::TypeLabel, "Type:", "نوع:" },
    { TextId::WidthLabel, "Width:", "پهنا:" },
    { TextId::DefaultCaption, "Default", "پيش فرض" },
    { TextId::DefaultHint, "Remember current settings for all new files",
        "انتخاب اين ها به عنوان تنظيمات پيش فرض فايل هاي جديد" },
    // The status-bar text when Default could not write the template.
    { TextId::TemplateNotWritten, "The settings could not be remembered for new files",
        "نمي توانم اين تنظيمات را براي فايل هاي جديد ذخيره كنم" },
    entry(TextId::OkCaption, OkText),
    { TextId::OkHint, "Close this dialog and apply changes", "بستن اين پنجره و افزودن تغييرات" },
    entry(TextId::CancelCaption, CancelText),
    { TextId::CancelHint, "Close this dialog without applying changes",
        "بستن اين پنجره بدون افزودن تغييرات" },
    entry(TextId::HelpButtonCaption, HelpText),
    entry(TextId::HelpButtonHint, HelpText),
    { TextId::ItemUpHint, "Move Up|Moves current item one step up",
        "حركت به بالا|اين آيتم را يك مرحله بالا مي برد" },
    { TextId::ItemDownHint, "Move Down|Moves current item one step down",
        "حركت به پايين|اين آيتم را يك مرحله پايين مي برد" },
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
        "پيش از نام توابع علامت # را به كار بريد.\ra=ماده مورد نظر , b=ماده اي ديگر\rعمليات رياضي "
        "قابل قبول: !, ^(توان), *, /, +, -\rمثال: ((a)مول#) / (1 + (5 * (b)مول#))" },
    { TextId::ReactionShowWorkingCaption, "Show &Working", "نمايش &راه حل" },
    { TextId::ReactionShowWorkingHint,
        "Show Working|Shows how the reaction is balanced, step by step",
        "نمايش راه حل|نشان مي دهد واكنش گام به گام چگونه موازنه مي شود" },
    { TextId::WorkingTitle, "Working", "راه حل" },
    { TextId::WorkingUnknowns, "Unknowns, one per substance:", "مجهول ها، يكي براي هر ماده:" },
    { TextId::WorkingEquations, "Equations, one per element:", "معادله ها، يكي براي هر عنصر:" },
    { TextId::WorkingChargeRow, "charge", "بار" },
    { TextId::WorkingFixSeed, "%1 stands in two substances only (%2), so fix %3.",
        "%1 فقط در دو ماده آمده است (%2)، پس %3 مي گيريم." },
    { TextId::WorkingFix, "Fix %1.", "%1 مي گيريم." },
    { TextId::WorkingSolve, "%1 gives %2, so %3.", "از %1 به %2 مي رسيم، پس %3." },
    { TextId::WorkingSolveDirect, "%1 gives %2.", "از %1 به %2 مي رسيم." },
    { TextId::WorkingExpress, "%1 gives %2; put it into the other equations:",
        "از %1 به %2 مي رسيم؛ آن را در معادله هاي ديگر مي گذاريم:" },
    { TextId::WorkingFractions, "Fractions on the way: %1", "كسرهاي سر راه: %1" },
    { TextId::WorkingMultiply, "Multiply every value by %1.", "همه مقدارها را در %1 ضرب مي كنيم." },
    { TextId::WorkingDivide, "Divide every value by %1.", "همه مقدارها را بر %1 تقسيم مي كنيم." },
    { TextId::WorkingCoefficients, "Coefficients: %1", "ضريب ها: %1" },
    { TextId::WorkingNoSeed,
        "No element stands in exactly two substances, so the answer comes from exact "
        "elimination:",
        "هيچ عنصري فقط در دو ماده نيامده است، پس جواب از حذف دقيق به دست مي آيد:" },
    { TextId::WorkingBeyondRange,
        "Substitution leaves the range of its numbers, so the answer comes from exact "
        "elimination:",
        "عددهاي جايگذاري از محدوده بيرون مي روند، پس جواب از حذف دقيق به دست مي آيد:" },
    { TextId::WorkingUnsettled,
        "Substitution does not settle on an answer, so the answer comes from exact "
        "elimination:",
        "جايگذاري به جوابي نمي رسد، پس جواب از حذف دقيق به دست مي آيد:" },
    { TextId::WorkingOutOfRange, "The numbers of the working are too large to show.",
        "عددهاي راه حل بزرگ تر از آن هستند كه نشان داده شوند." },
    { TextId::WorkingNoAnswer, "No single answer: %1.", "جواب يكتايي ندارد: %1." },
    { TextId::HtmlWithWorking, "Add the &working to the page", "افزودن &راه حل به صفحه" },
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
