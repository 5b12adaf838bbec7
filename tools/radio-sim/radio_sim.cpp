#include "radio-sim/radio_sim.h"
