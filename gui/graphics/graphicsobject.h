#pragma once
// The common base of fonts, pens and brushes: a drawing attribute whose platform object is
// made on demand and whose owner (a canvas) hears of every change.

#include "gui/classes/persistent.h"

#include <functional>

class TGraphicsObject : public TPersistent {
public:
    // Called after a property changed. A canvas deselects the object's handle here, so the
    // handle may be replaced right after the call.
    std::function<void(TObject* sender)> OnChange;

protected:
    // Tells the owner, then drops the platform objects when the change made them stale.
    void Changed(bool handlesStale);
    virtual void FreeHandles() = 0;

    // Stores a property value and reports the change; an equal value changes nothing.
    template <class T>
    void SetProperty(T& field, const T& value, bool handlesStale) {
        if (field == value)
            return;
        field = value;
        Changed(handlesStale);
    }
};
