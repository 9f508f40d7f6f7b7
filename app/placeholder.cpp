// Removed once the library has real sources.
