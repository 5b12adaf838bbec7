// The simulated radio: the radio's side of the serial link.
#pragma once
