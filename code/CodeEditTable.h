// The calls of the fragment whose numbers and constants the student may
// change, each with where its arguments go in the window's record and the
// range the GL or the scene takes. Everything else in the fragment is fixed.
#pragma once

#include "CodeParser.h"
#include "ViewState.h"

#include <vector>

// Set in a call's mask when glEnable may read glDisable there, or glOrtho
// gluPerspective; the low bits are the arguments that may change.
constexpr unsigned kNameEditable = 1u << 31;

// Applies every editable call of items to s, in order; mask[i] tells what of
// items[i] may differ from the printed fragment. perspective: the projection
// glScalef's factors were printed under (halved in perspective); null for the
// one the text itself sets. False with error at the offending argument or
// call when a value is out of range or of the wrong kind; s is then half-edited.
bool ApplyEdits(const std::vector<CodeItem>& items, ViewState& s, std::vector<unsigned>& mask, CodeError& error,
                const bool* perspective);

// s with the switches of from, and its projection: when that is s, both
// print the same lines.
ViewState WithSwitchesOf(ViewState s, const ViewState& from);

// The calls the table lets the student change, each once.
std::vector<std::string_view> EditableCalls();

// 1 for glEnable and glDisable, 2 for the two projections, else 0.
int CallFamily(std::string_view name);
