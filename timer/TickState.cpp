#include "timer/TickState.h"

TickState Tick;
