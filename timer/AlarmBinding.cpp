#include "timer/AlarmBinding.h"

AlarmBinding BoundAlarms;
