#include "options_sheet.h"

void ShowOptionsSheet() {}
