// The precompiled headers are built with this file; it has no code of its own.
