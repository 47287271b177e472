#pragma once
// The texts of the errors that the graphics classes raise.

inline constexpr char SOutOfResources[] = "Out of system resources";
inline constexpr char SNoCanvasHandle[] = "Canvas does not allow drawing";
inline constexpr char SInvalidBitmap[] = "Bitmap image is not valid";
inline constexpr char SScanLine[] = "Scan line index out of range";
inline constexpr char SNegativeBitmapSize[] = "Bitmap size must not be negative";
inline constexpr char SUnknownExtension[] = "Unknown picture file extension (.%s)";
inline constexpr char SUnknownClipboardFormat[] = "Unsupported clipboard format";
inline constexpr char SCannotOpenClipboard[] = "Cannot open clipboard";
inline constexpr char SInvalidIcon[] = "Icon image is not valid";
inline constexpr char SIconTooLarge[] = "Icons larger than 256 x 256 pixels cannot be saved";
inline constexpr char SChangeIconSize[] = "Cannot change the size of an icon";
