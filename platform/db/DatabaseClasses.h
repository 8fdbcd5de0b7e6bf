// Makes the database components known to form definitions by class name.
#pragma once

void RegisterDatabaseClasses();
