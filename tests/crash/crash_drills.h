#pragma once
// Functions that fault on purpose, each on a known line, for the crash tests.

namespace dw::drill {

extern const int kDivideLine;
extern const int kNullReadLine;
extern const int kQtCallLine;

int DivideByZero(int divisor);
int ReadFrom(const int* address);
int RecurseForever(int depth);
void FaultInsideQt();

} // namespace dw::drill
