#pragma once
// The main window's two boxes for errors that have no message of their own:
// the generic one, and the one of its saves (the copy, and the commands on
// the game's fonts: restore, remove).

#include "runtime/RuntimeError.h"

// A failure to keep the game's font that a copy would replace. Nothing of
// the game's has changed, and the game's folder is there: it is reported as
// any error of a save, never with the box that ends the program.
class KeepError : public RuntimeError {
public:
    explicit KeepError(const RuntimeError& error) : RuntimeError(error.number(), error.description()) {}
};

// "Glyphwright has encountered the following error: " and the error's
// number and description, titled with the application's title.
void showGenericError(const RuntimeError& error);

// "The following error has occured during save: " and the error's number
// and description, titled with the application's title.
void showSaveError(const RuntimeError& error);
