#include "ui_texts.h"

// Stored as code page 932 bytes: the build compiles string literals for that code page.
static const char kEnglishFilter[] = "execute file(*.exe)\0*.exe\0All Files(*.*)\0*.*\0";
static const char kJapaneseFilter[] = "実行ファイル(*.exe)\0*.exe\0All Files(*.*)\0*.*\0";

// In UiLanguage order.
static const UiTexts kTexts[] = {
    {"Check edges more than one.", "Application path to ignore", "select ignore application", kEnglishFilter,
     "Sashlet is not added to ignore list"},
    {"場所は上下左右のどれかにチェックを入れてください", "除外アプリのパス", "除外ファイル選択", kJapaneseFilter,
     "Sashlet自身は除外できません。"},
};

static_assert(sizeof kTexts / sizeof kTexts[0] == LanguageCount, "one set of texts per language");

const UiTexts& UiTextsFor(UiLanguage language) { return kTexts[language]; }
