#include "ui_texts.h"

#include <windows.h>

#include <cstring>

// The English name of a locale's language fits easily.
const int kLanguageNameSize = 64;

// Stored as code page 932 bytes: the build compiles string literals for that code page.
static const char kEnglishFilter[] = "execute file(*.exe)\0*.exe\0All Files(*.*)\0*.*\0";
static const char kJapaneseFilter[] = "実行ファイル(*.exe)\0*.exe\0All Files(*.*)\0*.*\0";

// In UiLanguage order.
static const UiTexts kTexts[] = {
    {"Check edges more than one.", "Application path to ignore", "select ignore application", kEnglishFilter,
     "Sashlet is not added to ignore list", "Sashlet could not save its settings to this file:",
     "Sashlet could not save the ignore list to this file:",
     "The changes apply until Sashlet is closed or the displays change, when it reads the file again. To keep "
     "them, let Sashlet write to its folder, or move it to a folder of your own.",
     "(the path of Sashlet's folder is too long)",
     "Each key needs Ctrl, Alt or Win (F1 to F24 may go without), and each edge a key of its own.",
     "Another program already uses this key, so it does not wipe its edge:",
     "The other settings have been applied. Choose another key on the Keys page, or close the program that "
     "holds it and press OK again.",
     {"Left", "Right", "Top", "Bottom"},
     "The options cannot open: Windows could not load its common controls (comctl32.dll) or common dialogs "
     "(comdlg32.dll). The bars work as before.",
     "off"},
    {"場所は上下左右のどれかにチェックを入れてください", "除外アプリのパス", "除外ファイル選択", kJapaneseFilter,
     "Sashlet自身は除外できません。", "設定を次のファイルに保存できませんでした：",
     "除外リストを次のファイルに保存できませんでした：",
     "変更は Sashlet を終了するか、画面の構成が変わってファイルを読み直すまで有効です。保存するには、"
     "Sashlet のフォルダーに書き込めるようにするか、Sashlet を自分のフォルダーに移してください。",
     "（Sashlet のフォルダーのパスが長すぎます）",
     "キーには Ctrl、Alt、Win のどれかを組み合わせてください（F1～F24 はそのままでも使えます）。"
     "また、同じキーを二つの場所に使うことはできません。",
     "次のキーはほかのプログラムが使っているため、ワイプに使えません：",
     "ほかの設定は反映されました。「キー」ページで別のキーを選ぶか、そのキーを使っているプログラムを終了してから"
     "もう一度「OK」を押してください。",
     {"左", "右", "上", "下"},
     "設定シートを開けません：Windows のコモン コントロール（comctl32.dll）またはコモン ダイアログ（comdlg32.dll）を"
     "読み込めませんでした。バーはこれまでどおり使えます。",
     "オフ"},
};

static_assert(sizeof kTexts / sizeof kTexts[0] == LanguageCount, "one set of texts per language");

const UiTexts& UiTextsFor(UiLanguage language) { return kTexts[language]; }

UiLanguage UserLanguage()
{
    char name[kLanguageNameSize];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, name, sizeof name) && strcmp(name, "Japanese") == 0)
        return LanguageJapanese;
    return LanguageEnglish;
}
