# shellcheck shell=bash
# Sourced by tools/ci-in-chroot and tools/test-deb: a fresh Debian chroot of
# a given release and the mounts a build and its tests need inside it.
#   nimbora_chroot_make RELEASE DIR [BASE]  DIR from a copy of BASE (an
#                                           untouched debootstrap tree) or
#                                           from debootstrap --variant=minbase
#   nimbora_chroot_mount DIR                / as a mount point, /proc, /sys,
#                                           /dev, /dev/pts, its own /dev/shm
#   nimbora_chroot_unmount DIR              undoes nimbora_chroot_mount
#   DEBIAN_MIRROR  the mirror (default http://deb.debian.org/debian)

nimbora_mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

nimbora_check_release() {  # RELEASE
  case $1 in
    bookworm | trixie) ;;
    *)
      echo "unknown release '$1' (bookworm or trixie)" >&2
      return 2
      ;;
  esac
}

nimbora_chroot_make() {  # RELEASE DIR [BASE]
  local release=$1 dir=$2 base=${3:-}
  nimbora_check_release "$release" || return
  if [ -n "$base" ]; then
    grep -q "($release)" "$base/etc/os-release" ||
      { echo "$base is not a $release tree" >&2; return 1; }
    cp -a "$base" "$dir"
  else
    command -v debootstrap >/dev/null || nimbora_ensure_packages debootstrap
    debootstrap --variant=minbase "$release" "$dir" "$nimbora_mirror" >"$dir.debootstrap.log" 2>&1 ||
      { tail -20 "$dir.debootstrap.log" >&2; return 1; }
    rm -f "$dir.debootstrap.log"
  fi
  cp /etc/resolv.conf "$dir/etc/resolv.conf"
  echo "deb $nimbora_mirror $release main" >"$dir/etc/apt/sources.list"
  # The chroot's /tmp is its own folder, not the machine's.
  chmod 1777 "$dir/tmp"
}

nimbora_chroot_mount() {  # DIR
  local dir=$1
  # Some tests look at the mount that holds /: make the tree one.
  mount --bind "$dir" "$dir"
  mount -t proc proc "$dir/proc"
  mount -t sysfs sysfs "$dir/sys"
  mount --bind /dev "$dir/dev"
  mount --bind /dev/pts "$dir/dev/pts"
  mount -t tmpfs -o mode=1777,nosuid,nodev shm "$dir/dev/shm"
}

nimbora_chroot_unmount() {  # DIR
  local dir=$1 m
  # Innermost first; lazily, so that a process left inside cannot keep a
  # mount of the machine's busy.
  for m in dev/shm dev/pts dev sys proc; do
    if mountpoint -q "$dir/$m"; then umount -l "$dir/$m" || true; fi
  done
  if mountpoint -q "$dir"; then umount -l "$dir" || true; fi
}

# Removes a chroot made here, but only once nothing is mounted below it any
# more (a bind mount left behind would let rm reach the machine's /dev), and
# never crossing into another file system.
nimbora_chroot_remove() {  # DIR
  local dir m
  dir=$(realpath "$1")
  while read -r _ m _; do
    case $m in
      "$dir" | "$dir"/*)
        echo "not removing $dir: $m is still mounted" >&2
        return 1
        ;;
    esac
  done </proc/self/mounts
  rm -rf --one-file-system "$dir"
}
