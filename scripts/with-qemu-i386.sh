#!/usr/bin/env bash
# Runs one command with every 32-bit x86 Linux program it starts handed to
# qemu-i386 (user-mode emulation, Debian's qemu-user), for kernels that run
# no 32-bit programs themselves: 32-bit Wine then starts, slowly.
#   bash scripts/with-qemu-i386.sh /usr/lib/wine/wine tivora.exe
# Nothing outlasts the command:
# - where the kernel gives a user namespace a binfmt_misc of its own (Linux
#   6.7 and later), the entry lives in a namespace made for the command
#   alone and no other process of the machine sees it;
# - elsewhere (as root) the entry is registered for the whole machine while
#   the command runs and removed when it ends, however it ends. Wine tiers
#   started meanwhile keep to the 64-bit loader: scripts/wine-env.sh does
#   not take an emulated loader for a native one.
set -euo pipefail
qemu="$(command -v qemu-i386 || true)"
[ -n "$qemu" ] || { echo "qemu-i386 is missing (Debian package qemu-user)" >&2; exit 127; }
binfmt=/proc/sys/fs/binfmt_misc

# 32-bit little-endian ELF executables and shared objects for i386. "F"
# opens the emulator at registration, so it is found in any mount namespace.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
entry="tivora-i386-$$"
rule=":$entry:M::$magic:$mask:$qemu:F"

if [ "${1:-}" = --in-namespace ]; then
  shift
  mount -t binfmt_misc binfmt_misc "$binfmt"
  echo "$rule" > "$binfmt/register"
  exec "$@"
fi

own_binfmt() {
  unshare --user --map-root-user --mount \
    sh -c "mount -t binfmt_misc binfmt_misc $binfmt" 2>/dev/null
}
if own_binfmt; then
  exec unshare --user --map-root-user --mount bash "$0" --in-namespace "$@"
fi

[ "$(id -u)" -eq 0 ] ||
  { echo "registering qemu-i386 for the whole machine needs root" >&2; exit 1; }
mounted=""
if [ ! -e "$binfmt/register" ]; then
  mount -t binfmt_misc binfmt_misc "$binfmt"
  mounted=1
fi
child=""
remove_entry() {
  if [ -n "$child" ]; then kill "$child" 2>/dev/null || true; wait "$child" 2>/dev/null || true; fi
  [ -e "$binfmt/$entry" ] && echo -1 > "$binfmt/$entry"
  # Unmounted again only if nothing else was registered meanwhile.
  if [ -n "$mounted" ] && [ -z "$(ls "$binfmt" | grep -vx -e register -e status)" ]; then
    umount "$binfmt" || true
  fi
}
trap remove_entry EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
echo "$rule" > "$binfmt/register"
"$@" &
child=$!
status=0
wait "$child" || status=$?
child=""
exit "$status"
