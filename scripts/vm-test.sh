#!/usr/bin/env bash
# Runs the stories of tests/vm/*.tts (and the bench stories *.sh) through the real kernel HID path: a small
# QEMU guest with Debian's cloud kernel (hidraw, uhid) and busybox, where
# travik-uhid presents a virtual transmitter and `travik-cli run --real` talks
# to it through hidraw and hidapi.
#
# Each story's header lines say how it runs:
#   # uhid: ARGS        options of travik-uhid (its exit checks count too)
#   # uhid2: ARGS       a second travik-uhid beside it (a bench of two)
#   # as: user          run travik-cli as an unprivileged user
#   # stderr: TEXT      travik-cli's standard error must contain TEXT
#
# Usage: scripts/vm-test.sh [STORY.tts|STORY.sh...]
# Environment: TRAVIK_VM_BUILD (build folder, default build), TRAVIK_VM_CACHE
# (downloaded packages, default ~/.cache/travik-vm), TRAVIK_VM_ACCEL (kvm or
# tcg; default kvm when /dev/kvm works, else tcg), TRAVIK_VM_TIMEOUT (seconds
# for the whole guest run, default 600).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath -m "${TRAVIK_VM_BUILD:-build}")
cache=${TRAVIK_VM_CACHE:-${XDG_CACHE_HOME:-${HOME:-$root/build}/.cache}/travik-vm}
timeout_s=${TRAVIK_VM_TIMEOUT:-600}
if [ $# -gt 0 ]; then
  stories=("$@")
else
  # Every .tts and bench .sh story; guest-init.sh is the guest's own init, not a story.
  stories=(tests/vm/*.tts)
  for s in tests/vm/*.sh; do [ "$(basename "$s")" = guest-init.sh ] || stories+=("$s"); done
fi

say() { echo "vm-test: $*"; }

command -v qemu-system-x86_64 >/dev/null || { say "qemu-system-x86_64 not found"; exit 2; }
for tool in travik-cli travik-uhid; do
  [ -x "$build/$tool" ] || cmake --build "$build" -j "$(nproc)" --target "$tool"
done

# The kernel and busybox packages, downloaded once per version.
mkdir -p "$cache"
kernel_pkg=$(apt-cache depends linux-image-cloud-amd64 2>/dev/null |
             awk '/Depends: linux-image-[0-9]/ {print $2; exit}')
if [ -z "$kernel_pkg" ] && [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq >/dev/null 2>&1 || true
  kernel_pkg=$(apt-cache depends linux-image-cloud-amd64 2>/dev/null |
               awk '/Depends: linux-image-[0-9]/ {print $2; exit}')
fi
if [ -z "$kernel_pkg" ]; then
  # No package lists (offline): whatever was fetched before.
  kernel_pkg=$(cd "$cache" && ls -d linux-image-*-cloud-amd64 2>/dev/null | sort -V | tail -1)
  [ -n "$kernel_pkg" ] || { say "cannot find the cloud kernel package (run apt-get update)"; exit 2; }
fi
# Only what the guest needs is kept: the kernel, three modules, busybox.
for pkg in "$kernel_pkg" busybox-static; do
  if [ ! -d "$cache/$pkg" ]; then
    tmp=$(mktemp -d "$cache/fetch.XXXXXX")
    (cd "$tmp" && apt-get download -q "$pkg" >/dev/null 2>&1) || { rm -rf "$tmp"; say "apt-get download $pkg failed"; exit 2; }
    dpkg-deb -x "$tmp"/*.deb "$tmp/root"
    mkdir "$tmp/keep"
    if [ "$pkg" = busybox-static ]; then
      cp "$tmp/root/bin/busybox" "$tmp/keep/"
    else
      cp "$tmp"/root/boot/vmlinuz-* "$tmp/keep/vmlinuz"
      for m in hid hid-generic uhid; do cp "$tmp"/root/lib/modules/*/kernel/drivers/hid/$m.ko "$tmp/keep/"; done
    fi
    mv "$tmp/keep" "$cache/$pkg"
    rm -rf "$tmp"
  fi
done
vmlinuz="$cache/$kernel_pkg/vmlinuz"
kmods="$cache/$kernel_pkg"
busybox="$cache/busybox-static/busybox"

# The initramfs: busybox, the three HID modules, the project's programs with
# their libraries, the stories and the guest's script.
work="$build/vm"
rm -rf "$work/root"
mkdir -p "$work/root"/{bin,modules,stories,proc,sys,dev,tmp,etc}
cp "$busybox" "$work/root/bin/busybox"
cp "$kmods/hid.ko" "$kmods/hid-generic.ko" "$kmods/uhid.ko" "$work/root/modules/"
for tool in travik-cli travik-uhid; do
  strip -o "$work/root/bin/$tool" "$build/$tool" 2>/dev/null || cp "$build/$tool" "$work/root/bin/$tool"
  ldd "$build/$tool" | awk '/=> \// {print $3} /^\t\/.*ld-linux/ {print $1}' |
    while read -r lib; do
      mkdir -p "$work/root$(dirname "$lib")"
      cp -Ln "$lib" "$work/root$lib"
    done
done
for story in "${stories[@]}"; do
  cp "$story" "$work/root/stories/"
done
[ -d tests/vm/data ] && cp -r tests/vm/data "$work/root/stories/"
echo "root:x:0:0::/:/bin/sh" >"$work/root/etc/passwd"
echo "user:x:1000:1000::/tmp:/bin/sh" >>"$work/root/etc/passwd"
cp tests/vm/guest-init.sh "$work/root/init"
chmod +x "$work/root/init"
(cd "$work/root" && find . | "$busybox" cpio -o -H newc 2>/dev/null | gzip -1 >"$work/initrd.gz")

# Runs the guest: $1 the accelerator, $2 seconds at most, $3 extra kernel arguments.
run_guest() {
  local cpu=max
  [ "$1" = kvm ] && cpu=host
  (timeout "$2" qemu-system-x86_64 -accel "$1" -cpu "$cpu" -m 384 -smp 1 \
     -nographic -no-reboot -kernel "$vmlinuz" -initrd "$work/initrd.gz" \
     -append "console=ttyS0 quiet loglevel=3 panic=-1 $3" </dev/null || true) >"$work/console.log" 2>&1
}

# KVM when it boots this guest (on some hosts it is present but cannot run
# it); a short probe decides.
accel=${TRAVIK_VM_ACCEL:-}
start=$(date +%s)
if [ -z "$accel" ]; then
  accel=tcg
  if [ -r /dev/kvm ] && [ -w /dev/kvm ]; then
    run_guest kvm 20 travik.probe
    if grep -aq "VMTEST probe" "$work/console.log"; then accel=kvm; fi
  fi
fi
run_guest "$accel" "$timeout_s" ""
tr -d '\r' <"$work/console.log" >"$work/console.txt"

passed=0
failed=0
for story in "${stories[@]}"; do
  name=$(basename "$story")
  line=$(grep -m1 -E "^VMTEST (PASS|FAIL) $name( |:|$)" "$work/console.txt" || true)
  if [ -z "$line" ]; then
    echo "FAIL $name: no result from the guest"
    failed=$((failed + 1))
  elif [[ $line == "VMTEST PASS"* ]]; then
    echo "${line#VMTEST }"
    passed=$((passed + 1))
  else
    echo "${line#VMTEST }"
    # What the guest printed for this story, to see why.
    sed -n "/^VMTEST story $name\$/,/^VMTEST \(PASS\|FAIL\) $name/p" "$work/console.txt" |
      grep -v "^VMTEST" | sed 's/^/    /'
    failed=$((failed + 1))
  fi
done
if ! grep -q "^VMTEST end" "$work/console.txt"; then
  say "the guest did not finish (console log: $work/console.txt)"
  tail -20 "$work/console.txt" | sed 's/^/    /'
fi
say "$accel, $(($(date +%s) - start)) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
