#pragma once

// The command that starts the clock when the user signs in to Windows: the
// exe's full path in quotes, as the Run key of the current user holds it.

// Writes "path" with its quotes and a terminator; false when out, of
// `capacity` units, cannot hold them.
bool QuoteCommand(const wchar_t* path, wchar_t* out, unsigned capacity);

// Whether a stored command starts the exe at `path`: the path in quotes,
// each letter compared as `upper` puts it in upper case. Windows compares
// paths without regard to case, by its own casing table, which the caller
// hands over.
bool IsCommandFor(const wchar_t* stored, const wchar_t* path, wchar_t (*upper)(wchar_t));
