// The short tone of a refused entry.
let audio = null;

export function beep() {
  try {
    audio ||= new AudioContext();
    const tone = audio.createOscillator(), gain = audio.createGain();
    tone.frequency.value = 880;
    gain.gain.value = 0.1;
    tone.connect(gain).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.12);
  } catch { /* no sound device: the selection and the tip remain */ }
}
