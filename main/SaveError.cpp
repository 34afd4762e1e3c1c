#include "main/SaveError.h"

#include <string>

#include "forms/MessageBox.h"

void showSaveError(const RuntimeError& error) {
    msgBox(L"The following error has occured during save: " + std::to_wstring(error.number()) + L" " +
           error.description());
}
