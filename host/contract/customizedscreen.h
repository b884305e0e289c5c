#pragma once

// The kinds of screen a user assembles from parameters; a technology's own widgets serve setup screens.
namespace CustomizedScreen {
enum Type { Type_Setup = 0, Type_Status = 1, Type_Result = 2 };
} // namespace CustomizedScreen
