#include "engine/day_numbering.h"

namespace engine {

const int DaysBeforeMonth[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

int LeapDayNo(int month, int day) {
    const int index = month >= 1 && month <= 12 ? month - 1 : 0;
    return DaysBeforeMonth[index] + day;
}

}  // namespace engine
