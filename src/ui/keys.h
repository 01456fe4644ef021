#pragma once

// The key codes that the handlers of the windows are written against.
namespace keys {
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Delete = 46;
} // namespace keys
