#pragma once
// The text rules that every value obeys on its way to a terminal or into a file: validators,
// escaping, value extraction and packing. All are free functions without state that work on
// code page 932 byte strings.

#include "model/Escape.h"
#include "model/Pack.h"
#include "model/TextChars.h"
#include "model/TextExtract.h"
#include "model/Validators.h"
