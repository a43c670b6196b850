// The module's menu command.
#include "drop2nds/Drop2nds.h"
#include "framework/plugin/PluginCommand.h"

const FCPluginCommand kPluginCommand = {
    "QZ Drop 2nds",
    "Drop 2nds",
    "Transposes the 2nd highest note in a 4-note block chord one octave down.",
    &Drop2nds,
};
