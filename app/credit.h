/* The author credit: the main window's credit line and the executable's
   version block both show it. Plain macros, so the resource compiler reads
   this file too. UTF-8. */
#ifndef CORVANE_APP_CREDIT_H
#define CORVANE_APP_CREDIT_H

#define CORVANE_CREDIT "鸦巢工坊"
#define CORVANE_COPYRIGHT "鸦巢工坊 保留所有权利"

#endif
