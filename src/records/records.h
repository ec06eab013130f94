#pragma once
// Placeholder; the keyed record routines land here.
