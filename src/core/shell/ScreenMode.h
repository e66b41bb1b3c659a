#pragma once

namespace quillory {

// The mode of a record screen, from which every command button's state follows: browsing
// offers every command but Save and Cancel, editing only those two.
enum class ScreenMode { Browse, Edit };

// The command buttons (cmdEdit) by index, as every record screen numbers them.
namespace command {
enum : int { Add, Edit, Save, Cancel, Delete, List, Print, Exit };
}

constexpr ScreenMode toggled(ScreenMode mode)
{
    return mode == ScreenMode::Browse ? ScreenMode::Edit : ScreenMode::Browse;
}

constexpr bool commandEnabled(ScreenMode mode, int index)
{
    return (index == command::Save || index == command::Cancel) == (mode == ScreenMode::Edit);
}

} // namespace quillory
