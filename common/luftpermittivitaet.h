#pragma once
// The permittivity of air, shared by the insulation formula and the full-wave model below it.

// Permittivity of air: at or below it the wire counts as bare.
inline constexpr float LuftEr = 1.00059f;
