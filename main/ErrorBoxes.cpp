#include "main/ErrorBoxes.h"

#include <string>

#include "forms/MessageBox.h"

void showGenericError(const RuntimeError& error) {
    msgBox(L"Glyphwright has encountered the following error: \r\n" + std::to_wstring(error.number()) + L" " +
           error.description());
}

void showSaveError(const RuntimeError& error) {
    msgBox(L"The following error has occured during save: " + std::to_wstring(error.number()) + L" " +
           error.description());
}
