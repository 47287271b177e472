#pragma once
// The texts of the errors that controls and forms raise.

inline constexpr char SCannotFocus[] = "Cannot focus a disabled or invisible window";
inline constexpr char SParentRequired[] = "Control '%s' has no parent window";
inline constexpr char SControlParentSetToSelf[] = "A control cannot have itself as its parent";
inline constexpr char SCannotShowModal[] = "Cannot make a visible window modal";
inline constexpr char SWindowCreate[] = "Error creating window";
