#pragma once
// The texts of the errors that the image lists raise.

inline constexpr char SImageIndexError[] = "Invalid ImageList Index";
inline constexpr char SInvalidImageList[] = "Invalid ImageList";
inline constexpr char SInvalidImageSize[] = "Invalid image size";
inline constexpr char SImageListDataError[] = "Image list data is not valid";
