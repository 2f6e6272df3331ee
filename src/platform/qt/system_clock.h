#pragma once

#include "core/desk.h"

namespace innvera {

class SystemClock : public Clock {
public:
    Date today() const override;
    TimeOfDay now() const override;
};

}  // namespace innvera
