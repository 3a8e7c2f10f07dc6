#pragma once

#include <QString>

// A number as the screen, the clue list and the paper show it: a non-negative number
// gets one leading blank where a sign would stand, so 7 reads " 7" and -7 reads "-7".
QString numberText(int number);
