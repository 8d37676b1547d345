#pragma once

#include <initializer_list>
#include <span>

#include <QKeyCombination>

#include "views/commandstate.h"

namespace kx {

// One command's action: its texts (translated in the context of FrameActions, and spelled out
// in full, since the translation tools expand no macro), the name of its icon (none for null),
// its keys, and how it behaves.
struct ActionSpec
{
    CommandId command;
    const char* text;
    const char* statusTip;
    const char* toolTip = nullptr; // the text where none is given
    const char* icon = nullptr;
    std::initializer_list<QKeyCombination> keys = {};
    bool checkable = false;
    // The key works wherever the focus is in the window, though no menu shows the command.
    bool windowKey = false;
};

// The actions of every command of the window, one row each.
std::span<const ActionSpec> ActionSpecs();

} // namespace kx
