// The program's control flow: start-up, the table screen and the element screen in turn, the end.
#pragma once

// Runs the whole program: opens the window, alternates the screens until a key is pending, closes it.
void RuleazaProgramul();

// Element-screen set-up: reference temperature, centre and seven random shell phases.
void PregatesteEcranulElement();

// Draws frames of the element screen until a right click (returns false) or a pending key (true).
bool RuleazaEcranulElement();

// The page flip at the end of each frame: shows the page just drawn and clears the other.
void SchimbaPagina();
