// What the page shows of the default flight (50 m/s at 45 degrees, g = 9.806): the desktop's
// texts, pixels and report bytes, checked by page.test.mjs and in every engine by checks.test.mjs.
export const results = ['Label3', 'Label4', 'Label5', 'Label6'];
export const defaults = ['Distanta parcursa : 254.946 m', 'Inaltime maxima: 63.736 m', 'Timp total: 7.21 s', 'Viteza la impact 50'];
// The scene's pixels as "r,g,b,a": the background is clear, the grid and the border black.
export const [clear, black] = ['0,0,0,0', '0,0,0,255'];
// The centres of the 30 dots of the flight (9 px wide) where the desktop draws them.
export const dots = [[8, 336], [17, 327], [26, 320], [35, 312], [43, 306], [52, 299], [61, 294], [70, 289], [79, 285],
  [88, 281], [96, 278], [105, 276], [114, 274], [123, 273], [132, 272], [141, 272], [149, 273], [158, 274],
  [167, 276], [176, 279], [185, 282], [194, 286], [202, 290], [211, 295], [220, 300], [229, 307], [238, 313],
  [247, 321], [255, 329], [264, 337]].map(([x, y]) => [x + 4, y + 4]);
// The report saved in Romanian at `date`.
export const report = (date) => [`Raport creat de Morvak Aplicatie Lopena-Aruncarea oblica la ${date}`, '',
  'Acceleratia gravitationala : 9.806',
  'Corpul de raza 9 u avea o viteza initiala de 50 m/s si a fost lansat sub unghiul de 45 grade',
  'Distanta parcursa : 254,946 m', 'Inaltime maxima: 63,736 m', 'Timp total: 7,21 s', 'Viteza la impact 50']
  .map((l) => `${l}\r\n`).join('');
