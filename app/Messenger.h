// The messenger program: its units in start order, and the start-up that
// makes the five forms and runs the message loop.
#pragma once

// Starts the run-time's and the windowing units, then the program's own in
// their order: Main, Mesaj, Oturumac, the control library's units, Hesapac,
// Secenekler.
void StartMessengerUnits();
// Makes the forms, hidden, in their order; the first, Main1, is the main
// form.
void CreateMessengerForms();
// Initialises the application, makes the forms and handles messages until
// the application ends. What escapes is shown in the error box. Answers the
// program's exit code.
int RunMessenger();
