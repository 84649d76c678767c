#include "sheet_libraries.h"

#include "../processes/system_library.h"

typedef void(WINAPI* InitCommonControlsFn)();
typedef HPROPSHEETPAGE(WINAPI* CreatePropertySheetPageAFn)(const PROPSHEETPAGEA*);
typedef INT_PTR(WINAPI* PropertySheetAFn)(const PROPSHEETHEADERA*);
typedef BOOL(WINAPI* ChooseColorAFn)(CHOOSECOLORA*);
typedef BOOL(WINAPI* GetOpenFileNameAFn)(OPENFILENAMEA*);

static CreatePropertySheetPageAFn s_createPage;
static PropertySheetAFn s_propertySheet;
static ChooseColorAFn s_chooseColour;
static GetOpenFileNameAFn s_openFileName;

bool LoadSheetLibraries()
{
    if (s_propertySheet)
        return true;
    // The common controls by their bare name: only a name without a folder
    // is redirected to the version 6 the manifest asks for. The redirection
    // comes before any folder, and the search was narrowed at start-up.
    HMODULE controls = LoadLibraryA("comctl32.dll");
    HMODULE dialogs = LoadSystemLibrary("comdlg32.dll");
    const InitCommonControlsFn init = LibraryFunction<InitCommonControlsFn>(controls, "InitCommonControls");
    const CreatePropertySheetPageAFn createPage =
        LibraryFunction<CreatePropertySheetPageAFn>(controls, "CreatePropertySheetPageA");
    const PropertySheetAFn propertySheet = LibraryFunction<PropertySheetAFn>(controls, "PropertySheetA");
    const ChooseColorAFn chooseColour = LibraryFunction<ChooseColorAFn>(dialogs, "ChooseColorA");
    const GetOpenFileNameAFn openFileName = LibraryFunction<GetOpenFileNameAFn>(dialogs, "GetOpenFileNameA");
    if (!init || !createPage || !propertySheet || !chooseColour || !openFileName) {
        if (controls)
            FreeLibrary(controls);
        if (dialogs)
            FreeLibrary(dialogs);
        return false;
    }
    // The up-down, list view and hot key controls of the pages' templates.
    init();
    s_createPage = createPage;
    s_propertySheet = propertySheet;
    s_chooseColour = chooseColour;
    s_openFileName = openFileName;
    return true;
}

HPROPSHEETPAGE SheetCreatePage(const PROPSHEETPAGEA* page) { return s_createPage ? s_createPage(page) : nullptr; }

INT_PTR SheetRun(const PROPSHEETHEADERA* header) { return s_propertySheet ? s_propertySheet(header) : -1; }

BOOL SheetChooseColour(CHOOSECOLORA* cc) { return s_chooseColour ? s_chooseColour(cc) : FALSE; }

BOOL SheetOpenFileName(OPENFILENAMEA* ofn) { return s_openFileName ? s_openFileName(ofn) : FALSE; }
