// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText TxtCantFindFile = En("Can`t find the file");
const TText TxtCantReadFile = En("Can`t read the file");
const TText TxtIncorrectFile = En("The incorrect file");
const TText TxtDiskWriteError = En("Error of disk writing!");
const TText TxtCantMakeChanges = En("Can`t make changes on the disk!");
const TText TxtCantSaveOptions = En("Can`t save options!");
const TText TxtTheFile = En("The file");
const TText TxtHasIncorrectAttributes = En("has incorrect attributes!");
const TText TxtWorkWillBeIncorrect = En("The work of the program will be incorrect!");

} // namespace Texts
