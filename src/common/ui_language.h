// The language of every menu, dialog and message, picked once at start-up.
#pragma once

enum UiLanguage { LanguageEnglish, LanguageJapanese, LanguageCount };
