#include "texts/Captions.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace molvane {

namespace {

// A text that several controls share, written once.
struct Shared
{
    std::string_view english, farsi;
};

constexpr UiText entry(std::string_view key, Shared text)
{
    return { key, text.english, text.farsi };
}

// A text that stays the same under both languages.
constexpr UiText both(std::string_view key, std::string_view text)
{
    return { key, text, text };
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
    { "SaveChangesText", "Save changes?", "آيا تغييرات را ذخيره كنم؟" },
    { "CannotBalanceText",
        "Can not balance this reaction\rIt may be has more than one answer or it is more than one "
        "separate reaction.",
        "نمي توانم اين واکنش را موازنه کنم \r ممکن است اين واکنش بيش از يک جواب داشته باشد يا بيش "
        "از يک واکنش مجزا باشد" },
    { "InvalidReactionText", "Invalid reaction", "واکنش غلط است" },
    { "InvalidNumberText", "Invalid number", "عدد وارد شده اشتباه است" },
    { "CannotOpenText", "Can not open this file", "نمي توانم اين پرونده را باز كنم" },
    { "CannotSaveText", "Can not save this file", "نمي توانم اين پرونده را ذخيره كنم" },
    { "AlreadyExistsText", " already exists.\rDo you want to replace it?",
        " از قبل وجود دارد.\rآيا مي خواهيد آن را جايگزين كنيد؟" },
    { "ReactionHelpText",
        "In most cases you have not to use Shift key for letters case.\rTo change or view key "
        "settings choose Key Options from Settings menu.",
        " در اكثر موارد نيازي به نگه داشتن كليد Shift براي شكل حروف نيست.\r براي تغيير يا مشاهده "
        "تنظيمات كليدها از منوي تنظيمات گزينه تنظيمات كليدها را انتخاب كنيد." },
    { "GridHelpText",
        "Click \"Calculate Grid\" button to caculate grid's empty cells.\rThis program can "
        "calculate cells by formulas were given to.\rTo view, add or change formulas choose "
        "Options "
        "from Settings menu.",
        "براي محاسبه خانه هاي خالي جدول دكمه محاسبه جدول را كليك كنيد.\rاين برنامه اين ها را با "
        "توجه به فرمول هايي كه به آن داده مي شود محاسبه مي كند.\rبراي افزودن، ديدن يا تغيير فرمول "
        "ها از منوي تنظيمات گزينه تنظيمات را انتخاب نماييد." },

    // The message box: captions by kind, then the button labels.
    { "MessageBox.Warning", "Warning", "توجه" },
    { "MessageBox.Error", "Error", "خطا" },
    { "MessageBox.Information", "Information", "اطلاعات" },
    { "MessageBox.Confirmation", "Confirm", "تاييد" },
    { "MessageBox.Yes", "&Yes", "&بلي" },
    { "MessageBox.No", "&No", "&خير" },
    entry("MessageBox.OK", OkText),
    entry("MessageBox.Cancel", CancelText),

    // Why a typed or pasted character was refused (the status bar says it).
    { "Refusal.NotInCodePage", "This character can not be saved in a document",
        "اين نويسه را نمي توان در پرونده ذخيره كرد" },
    { "Refusal.Comma", "A comma can not be typed here", "ويرگول را نمي توان در اينجا وارد كرد" },
    { "Refusal.Colon", "A colon can not be typed in an item name",
        "دونقطه را نمي توان در نام مشخصه وارد كرد" },
    { "Refusal.LineBreak", "A line break can not be typed here",
        "خط جديد را نمي توان در اينجا وارد كرد" },

    // Menus and actions of the main window.
    { "File1.Caption", "&File", "پر&ونده" },
    { "Reaction1.Caption", "&Reaction", "&واکنش" },
    entry("Settings1.Caption", SettingsMenuText),
    { "Help1.Caption", "&Help", "راهن&مايي" },
    { "FileNew.Caption", "&New", "ج&ديد" },
    { "FileNew.Hint", "New|Creates a new file", "جديد|يك پرونده جديد ايجاد مي كند" },
    { "FileOpen.Caption", "&Open...", "گ&شودن" },
    { "FileOpen.Hint", "Open|Opens an existing file", "گشودن|يك پرونده را باز مي كند" },
    { "FileSave.Caption", "&Save", "ذ&خيره" },
    { "FileSave.Hint", "Save|Saves file", "ذخيره|پرونده را ذخيره مي كند" },
    { "FileSaveAs.Caption", "Save &As...", "ذخيره با &نام جديد" },
    { "FileSaveAs.Hint", "Save As|Saves file with a new name",
        "ذخيره با نام جديد |پرونده را با نام جديد ذخيره مي كند" },
    { "FilePrint.Caption", "&Export as Bitmap", "&تبديل به تصوير" },
    { "FilePrint.Hint", "Export as Bitmap|Exports file as a windows Bitmap image",
        "تبديل به تصوير|پرونده را تبديل به يك نقشه بيتي ويندوز مي كند" },
    { "FileHTML.Caption", "Export as &HTML file", "ت&بديل به صفحه ي وب" },
    { "FileHTML.Hint", "Export as HTML file|Exports file as a web page",
        "تبديل به صفحه ي وب|پرونده را تبديل به يك صفحه ي وب مي كند" },
    { "FileExit.Caption", "E&xit", "خ&روج" },
    { "FileExit.Hint", "Exit|Quits the application", "خروج|خروج از برنامه" },
    { "ReactionCopy.Caption", "&Copy", "&کپي" },
    { "ReactionCopy.Hint", "Copy|Copies the reaction and puts it on the Clipboard",
        "کپي|واکنش را در Clipboard کپي مي کند" },
    { "ReactionPaste.Caption", "&Paste", "&فرا خواني" },
    { "ReactionPaste.Hint", "Paste|Inserts the contents of the Clipboard as reaction",
        "فرا خواني| واکنش کپي شده در Clipboard را فرا مي خواند" },
    { "SettingsOptions.Caption", "&Options", SettingsMenuText.farsi },
    { "SettingsOptions.Hint", "Options|Changes Options", "تنظيمات|تغيير تنظيمات برنامه" },
    { "SettingsKey.Caption", "&Key Options", "تنظيمات كليد&ها" },
    { "SettingsKey.Hint", "Key Options|Changes key Options",
        "تنظيمات كليدها|تغيير تنظيمات كليدها" },
    // The two language actions keep their captions under both languages.
    both("SettingsEnglish.Caption", "&انگليسي"),
    both("SettingsEnglish.Hint", "انگليسي|تغيير زبان برنامه به انگليسي"),
    both("SettingsFarsi.Caption", "&Farsi"),
    both("SettingsFarsi.Hint", "Farsi|Changes program's language to Farsi"),
    { "HelpHelp.Caption", "&Help", "&راهنمايي" },
    entry("HelpHelp.Hint", HelpText),
    { "HelpOnline.Caption", "&Online Help", "را&هنمايي از طريق اينترنت" },
    { "HelpOnline.Hint", "Online Help", "راهنمايي از طريق اينترنت" },
    { "HelpMail.Caption", "&Comments and problems", "&نظرات و مشکلات" },
    { "HelpMail.Hint", "Comments and problems|If you have any comments or problems send me it",
        "نظرات و مشکلات|اگر پيشنهاد يا مشکلي داريد آن را براي من بفرستيد" },
    { "HelpWebsite.Caption", "&Visit Website", "&صفحه وب" },
    { "HelpWebsite.Hint", "Visit Website|Opens my website URL", "صفحه وب|ديدار از صفحه وب من" },
    { "HelpSource.Caption", "&Source Code", "&کد برنامه" },
    { "HelpSource.Hint", "Source Code|Buy this program's source code from web",
        "کد برنامه|خريد کد برنامه از طريق اينترنت" },
    { "HelpAbout.Caption", "&About...", "&درباره اين برنامه" },
    { "HelpAbout.Hint", "About|Shows some informations about this program",
        "درباره اين برنامه|به دست آوردن اطلاعاتي درباره اين برنامه" },
    // The Farsi advice is for readers who cannot see Farsi, so it is English under both.
    both("HelpFarsi.Caption", "&Problem with Farsi language"),
    both("HelpFarsi.Hint", "If you can not read Farsi texts click this item"),
    both("FarsiAdviceText",
        "1- Farsi language must be installed on your computer.\r2- Farsi language must be "
        "non-Unicode programs' language.\rGo to Control Panel > Regional and Language Options "
        "and fix it."),
    { "HelpPromptText", "Click on item you need information about",
        "روي گزينه اي که به اطلاعاتي در مورد آن نياز داريد کليک کنيد" },

    // Other texts of the main window.
    both("Application.Title", "Molvane"),
    { "Lbl1.Caption", "Reaction:", "واكنش:" },
    { "Lbl2.Caption", "Substances' properties:", "خواص مواد:" },
    { "WeightBtn.Caption", "Balance", "موازنه" },
    { "CalGrid.Caption", "Calculate Grid", "محاسبه جدول" },
    { "TextImg.Hint", "Click to type reaction", "براي نوشتن واکنش کليک کنيد" },
    { "CalGrid.Hint", "Click to calculate grid", "براي محاسبه جدول كليك كنيد" },
    { "OpenDialog.Title", "Open", "گشودن" },
    { "SaveDialog.Title", "Save", "ذخيره" },

    // The About dialog.
    { "AboutForm.Caption", "About...", "درباره اين برنامه" },
    both("Tit.Caption", "Molvane"),
    { "Ver.Caption", "Version 1.1", "نسخه 1/1" },

    // The Key Options dialog.
    { "KOForm.Caption", "Key Options", "تنظيمات كليدها" },
    { "ChB.Caption", "Elements auto identification", "تشخيص اتوماتيک عناصر" },

    // The Options dialog.
    { "OpsForm.Caption", "Options", "تنظيمات" },
    { "FontsPage.Caption", "Fonts", "قلم ها" },
    { "GridPage.Caption", "Grid", "جدول" },
    { "ProgramFontLbl.Caption", "Program Font :", "قلم برنامه :" },
    { "GridFontLbl.Caption", "Grid Font :", "قلم جدول :" },
    { "ReactionFontLbl.Caption", "Reaction Font :", "قلم واكنش :" },
    { "NumbersFontLbl.Caption", "Numbers Font :", "قلم ضرايب :" },
    { "SubscriptsFontLbl.Caption", "Subscripts Font :", "قلم زيرنويس ها :" },
    { "NameLbl.Caption", "Name:", "نام:" },
    { "SizeLbl.Caption", "Size:", "اندازه:" },
    { "ColorLbl.Caption", "Color:", "رنگ:" },
    { "SubscriptsPositionLbl.Caption", "Subscripts Position:", "موقعيت زيرنويس ها:" },
    { "ItemsLbl.Caption", "Items :", "آيتم ها :" },
    { "FormulasLbl.Caption", "Formulas :", "فرمول ها :" },
    { "TypeLbl.Caption", "Type:", "نوع:" },
    { "WidthLbl.Caption", "Width:", "پهنا:" },
    { "Def.Caption", "Default", "پيش فرض" },
    { "Def.Hint", "Remember current settings for all new files",
        "انتخاب اين ها به عنوان تنظيمات پيش فرض فايل هاي جديد" },
    // The status-bar text when Default could not write the template.
    { "TemplateNotWritten.Text", "The settings could not be remembered for new files",
        "نمي توانم اين تنظيمات را براي فايل هاي جديد ذخيره كنم" },
    entry("OK.Caption", OkText),
    { "OK.Hint", "Close this dialog and apply changes", "بستن اين پنجره و افزودن تغييرات" },
    entry("Cancel.Caption", CancelText),
    { "Cancel.Hint", "Close this dialog without applying changes",
        "بستن اين پنجره بدون افزودن تغييرات" },
    entry("HelpBtn.Caption", HelpText),
    entry("HelpBtn.Hint", HelpText),
    { "GIUp.Hint", "Move Up|Moves current item one step up",
        "حركت به بالا|اين آيتم را يك مرحله بالا مي برد" },
    { "GIDown.Hint", "Move Down|Moves current item one step down",
        "حركت به پايين|اين آيتم را يك مرحله پايين مي برد" },
    entry("GIDelete.Hint", DeleteHint),
    entry("GFDelete.Hint", DeleteHint),
    entry("GINew.Hint", NewItemHint),
    entry("GFNew.Hint", NewItemHint),
    entry("GIList.Hint", ListHint),
    entry("GFList.Hint", ListHint),
    // Four lines; the Farsi ones are in logical order, meant for right-to-left display.
    { "FormulaHelpText",
        "Use # mark before functions' name.\ra=Current Substance , b=Another Substance\rSupported "
        "mathematical operators: !, ^(power), *, /, +, -\rExample: ((#Mol(b) * 5) + 1) / (#Mol(a))",
        "پيش از نام توابع علامت # را به كار بريد.\ra=ماده مورد نظر , b=ماده اي ديگر\rعمليات رياضي "
        "قابل قبول: !, ^(توان), *, /, +, -\rمثال: ((a)مول#) / (1 + (5 * (b)مول#))" },
});

} // namespace

std::span<const UiText> UiTexts()
{
    return Texts;
}

std::string_view Caption(std::string_view key, UiLanguage language)
{
    const auto found = std::find_if(
        Texts.begin(), Texts.end(), [key](const UiText &text) { return text.key == key; });
    if (found == Texts.end())
        throw std::out_of_range("no interface text " + std::string(key));
    return found->in(language);
}

std::string WindowTitle(std::string_view documentPath)
{
    std::string title(Caption("Application.Title", UiLanguage::English));
    if (documentPath.empty())
        return title + " - Untitled";
    std::string_view name = documentPath.substr(documentPath.find_last_of('/') + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string_view::npos)
        name = name.substr(0, dot);
    return title + " - " + std::string(name);
}

} // namespace molvane
