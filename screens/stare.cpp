// The one instance of the program state, shared by the main loop and the screens.
#include "screens/stare.h"

TipStare Stare;
