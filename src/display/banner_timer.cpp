// Placeholder until the banner cartoon arrives.
#include "display/form1.h"

void Form1::Timer1_Timer() {}
