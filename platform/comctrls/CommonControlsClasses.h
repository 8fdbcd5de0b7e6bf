// Makes the common controls known to form definitions by class name.
#pragma once

void RegisterCommonControlsClasses();
