// Makes the framework's own component classes known to the form reader.
#pragma once

void RegisterStandardClasses();
