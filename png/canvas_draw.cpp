#include "png/pngobject.h"

#include <stdexcept>
void TPNGObject::Draw(TCanvas&, const TRect&) {
    throw std::logic_error("pending");
}
