# Sourced by the scripts: where the repository is and how Wine is run.
TIVORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export TIVORA_ROOT
# Build folder; helpers working side by side each take their own.
export TIVORA_BUILD="${TIVORA_BUILD:-$TIVORA_ROOT/build}"

# Wine's ANSI code page follows the locale: ja_JP.UTF-8 gives code page 932,
# the tests' own; TIVORA_LOCALE=en_US.UTF-8 gives 1252, a Western system.
# The UI language follows LC_MESSAGES apart from it: TIVORA_UI_LOCALE
# gives a system whose code page and UI language differ.
export LANG="${TIVORA_LOCALE:-ja_JP.UTF-8}"
if [ -n "${TIVORA_UI_LOCALE:-}" ]; then
  unset LC_ALL
  export LC_MESSAGES="$TIVORA_UI_LOCALE"
else
  export LC_ALL="$LANG"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts when a prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"

# The 32-bit loader needs a kernel that runs 32-bit ELF programs. Where it
# can't (some virtual machines have no IA32 emulation), the 64-bit loader
# runs an x86-64 build of the same sources instead.
# A binfmt_misc entry for i386 ELF (qemu-i386, as scripts/with-qemu-i386.sh
# registers it) makes the 32-bit loader answer too, but each instruction is
# then emulated: only a kernel that runs it itself counts.
tivora_i386_emulated() {
  local entry
  [ "$(cat /proc/sys/fs/binfmt_misc/status 2>/dev/null)" = enabled ] || return 1
  for entry in /proc/sys/fs/binfmt_misc/*; do
    case "${entry##*/}" in register | status) continue ;; esac
    grep -qx enabled "$entry" 2>/dev/null &&
      grep -Eq '^magic 7f454c460101.{24}0300' "$entry" 2>/dev/null && return 0
  done
  return 1
}
tivora_runs_i386() {
  /usr/lib/wine/wine --version >/dev/null 2>&1 && ! tivora_i386_emulated
}
# TIVORA_WINE_ARCH=x86_64 (or i686) asks for that path whatever the kernel
# can do; otherwise the kernel decides.
if [ -z "${TIVORA_WINE:-}" ]; then
  if [ -z "${TIVORA_WINE_ARCH:-}" ]; then
    if tivora_runs_i386; then TIVORA_WINE_ARCH=i686; else TIVORA_WINE_ARCH=x86_64; fi
  fi
  case "$TIVORA_WINE_ARCH" in
    i686)
      TIVORA_WINE=/usr/lib/wine/wine
      export WINESERVER=/usr/lib/wine/wineserver32
      ;;
    x86_64)
      TIVORA_WINE=/usr/lib/wine/wine64
      export WINESERVER=/usr/lib/wine/wineserver64
      ;;
    *)
      echo "wine-env.sh: TIVORA_WINE_ARCH must be i686 or x86_64, not '$TIVORA_WINE_ARCH'" >&2
      return 1
      ;;
  esac
  export WINELOADER="$TIVORA_WINE"
fi
export TIVORA_WINE TIVORA_WINE_ARCH

# Puts, first on the PATH, Wine commands that refuse to run. Every Wine
# command of the scripts and tests goes through "$TIVORA_WINE" (or
# $WINESERVER); the PATH's wrappers run whichever loader their package
# chose, which on a kernel without 32-bit programs fails, so a bare call
# would pass here and fail there. Shadowed, it fails on every machine.
tivora_shadow_path_wine() {
  local folder="$TIVORA_BUILD/path-wine" command
  mkdir -p "$folder"
  for command in wine wine64 wine-stable wine64-stable winepath wineserver wineboot \
    regedit msiexec reg winecfg wineconsole winedbg; do
    printf '%s\n' '#!/bin/sh' \
      "echo \"\$0 from the PATH: call it through \\\"\\\$TIVORA_WINE\\\" (scripts/wine-env.sh)\" >&2" \
      'exit 126' >"$folder/$command"
    chmod +x "$folder/$command"
  done
  case ":$PATH:" in *":$folder:"*) ;; *) export PATH="$folder:$PATH" ;; esac
}
