#pragma once

// Runs the modal options sheet; returns when the user has closed it.
void ShowOptionsSheet();
