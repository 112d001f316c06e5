#include "settings/frame_placement.h"

#include "settings/settings_file.h"

namespace {

#define PLACEMENT_FIELD(member, setting) SETTING_FIELD(FramePlacement, member, setting)

const SettingField kPlacementFields[] = {
    PLACEMENT_FIELD(x, Setting::PosX),
    PLACEMENT_FIELD(y, Setting::PosY),
    PLACEMENT_FIELD(width, Setting::WindowWidth),
    PLACEMENT_FIELD(height, Setting::WindowHeight),
    PLACEMENT_FIELD(showState, Setting::ShowState),
};

}  // namespace

FramePlacement ReadFramePlacement() {
    FramePlacement placement{};
    ResetSettings(kPlacementFields, placement);
    LoadSettings(kPlacementFields, placement);
    return placement;
}
