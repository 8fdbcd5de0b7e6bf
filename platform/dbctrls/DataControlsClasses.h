// Makes the data-aware controls known to form definitions by class name.
#pragma once

void RegisterDataControlsClasses();
